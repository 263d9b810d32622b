#include "app/babyname_application.h"
#include "app/font_substitutes.h"
#include "app/form1.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    InstallFontSubstitutes();
    TForm1 form;
    form.show();
    return app.exec();
}
