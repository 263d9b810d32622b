#pragma once

#include "app/shell.h"
#include "naming/name_query.h"
#include "naming/name_store.h"

#include <QWidget>

class QComboBox;
class QDateTimeEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The main window: the parents' entries, five picture buttons and the grid of suggestions.
class TForm1 : public QWidget {
public:
    // Store path: the name store beside the executable unless given.
    explicit TForm1(UrlOpener opener = OpenUrlInBrowser, QString storePath = QString());

    // Controls, named as in the window description.
    QTableWidget* ListView1;
    QFrame* FlatGroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* FlatEdit1;
    QComboBox* FlatComboBox1;
    QDateTimeEdit* ChnCalendarPicker1;
    QComboBox* FlatComboBox2;
    QComboBox* FlatComboBox3;
    QPushButton* FlatButton1;
    QPushButton* FlatButton2;
    QPushButton* FlatButton3;
    QPushButton* FlatButton4;
    QPushButton* FlatButton5;

    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();
    void FlatButton4Click();

    // The name store of the default location: config/tarnwick.dat beside the executable.
    static QString DefaultStorePath();
    const naming::NameStore& nameStore() const { return ADOConnection1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FormCreate(const QString& storePath);
    void FormClose();

    UrlOpener opener_;
    bool closed_ = false;
    naming::NameStore ADOConnection1;
    naming::NameQuery ADOQuery1{ADOConnection1};
};
