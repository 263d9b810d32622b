#include "app/program.h"

#include "app/babyname_application.h"
#include "app/form1.h"
#include "gdi/fonts.h"

#include <QTimer>

namespace {

// Ends the message loop once the watched window has finished its first paint.
class FirstPaintQuitter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

void SetDesktopIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("babyname"));
    QGuiApplication::setDesktopFileName(QStringLiteral(BABYNAME_DESKTOP_ID));
}

int RunProgram(int argc, char** argv, bool quitAfterFirstPaint) {
    TApplication app(argc, argv);
    SetDesktopIdentity();
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    TForm1 form;
    FirstPaintQuitter quitter;
    if (quitAfterFirstPaint) form.installEventFilter(&quitter);
    form.show();
    return app.exec();
}
