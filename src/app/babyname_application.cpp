#include "app/babyname_application.h"

#include <QMessageBox>

#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(QString::fromStdString(e.what()));
    } catch (...) {
        showError(QStringLiteral("An unknown error occurred."));
    }
    return true;
}

void TApplication::showError(const QString& message) {
    if (reporter_) {
        reporter_(message);
        return;
    }
    QMessageBox::critical(activeWindow(), QStringLiteral("宝宝取名"), message);
}
