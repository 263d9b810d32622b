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

private:
    ErrorReporter reporter_;
};
