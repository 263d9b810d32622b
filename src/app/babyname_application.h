#pragma once

#include <QApplication>

#include <functional>

// The application object. An error that escapes an event handler ends up here: its message
// is shown and the program goes on.
class TApplication : public QApplication {
public:
    using ErrorReporter = std::function<void(const QString& message)>;

    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Replaces the message box, for tests.
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    void showError(const QString& message);

    // Shows the message of the exception being handled and carries on.
    static void HandleException();

    // Wraps an event handler so that its errors reach HandleException right where they arise:
    // Qt's own frames are not made to be unwound by exceptions.
    static std::function<void()> Guarded(std::function<void()> handler);

private:
    ErrorReporter reporter_;
};
