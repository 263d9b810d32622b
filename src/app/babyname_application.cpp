#include "app/babyname_application.h"

#include <QMessageBox>

#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    // The last line of defence; handlers of our own are wrapped by Guarded.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException();
    }
    return true;
}

void TApplication::HandleException() {
    QString message = QStringLiteral("An unknown error occurred.");
    try {
        throw;
    } catch (const std::exception& e) {
        message = QString::fromStdString(e.what());
    } catch (...) {
    }
    if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance()))
        app->showError(message);
    else
        qWarning("%s", qPrintable(message));
}

std::function<void()> TApplication::Guarded(std::function<void()> handler) {
    return [handler = std::move(handler)] {
        try {
            handler();
        } catch (...) {
            HandleException();
        }
    };
}

void TApplication::showError(const QString& message) {
    if (reporter_) {
        reporter_(message);
        return;
    }
    QMessageBox::critical(activeWindow(), QStringLiteral("宝宝取名"), message);
}
