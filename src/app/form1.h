#pragma once

#include "app/shell.h"
#include "naming/name_query.h"
#include "naming/name_store.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QTableWidget;
namespace calendar_ui {
class TChnCalendarPicker;
}
namespace flat {
class TFlatButton;
class TFlatComboBox;
class TFlatEdit;
class TFlatGroupBox;
} // namespace flat

// The main window: the parents' entries, five picture buttons and the grid of suggestions.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Store path: the name store beside the executable unless given.
    explicit TForm1(UrlOpener opener = OpenUrlInBrowser, QString storePath = QString());

    // Controls, named as in the window description.
    QTableWidget* ListView1;
    flat::TFlatGroupBox* FlatGroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    flat::TFlatEdit* FlatEdit1;
    flat::TFlatComboBox* FlatComboBox1;
    calendar_ui::TChnCalendarPicker* ChnCalendarPicker1;
    flat::TFlatComboBox* FlatComboBox2;
    flat::TFlatComboBox* FlatComboBox3;
    flat::TFlatButton* FlatButton1;
    flat::TFlatButton* FlatButton2;
    flat::TFlatButton* FlatButton3;
    flat::TFlatButton* FlatButton4;
    flat::TFlatButton* FlatButton5;

    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();
    void FlatButton4Click();

    // The grid's context menu ("复制", "复制全部") and its two entries; Ctrl+C is "复制".
    QMenu* GridMenu;
    QAction* CopyAction;
    QAction* CopyAllAction;

    // What a filled cell of the grid tells about its name: the full name, its reading and
    // its source, one a line, as its tooltip shows them. Empty for an empty cell.
    QString CellToolTip(int row, int column) const;
    // The selected cell's full name (empty when none is selected), and the grid as one line
    // of tab-separated names a row.
    QString SelectedName() const;
    QString GridText() const;
    void CopySelectedName();
    void CopyAllNames();

    // The name store of the default location: config/tarnwick.dat beside the executable.
    static std::string DefaultStorePath();
    const naming::NameStore& nameStore() const { return ADOConnection1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateListView();
    void CreateGroupBox();
    void CreateEntries();
    void CreatePicker();
    void CreateButtons();
    void SetTabOrder();
    void LinkLabels();
    void CreateGridMenu();
    void ShowGridMenu(const QPoint& pos);
    void FormCreate(const std::string& storePath);
    void FormClose();

    UrlOpener opener_;
    bool closed_ = false;
    naming::NameStore ADOConnection1;
    naming::NameQuery ADOQuery1{ADOConnection1};
};
