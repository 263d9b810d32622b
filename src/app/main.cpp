#include "app/babyname_application.h"
#include "app/form1.h"
#include "gdi/fonts.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    TForm1 form;
    form.show();
    return app.exec();
}
