#pragma once

#include "app/shell.h"
#include "gdi/test_access_fwd.h"
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
    const naming::NameStore& nameStore() const { return adoConnection1_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend struct ::TestAccess;

    // The buttons' click handlers.
    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();
    void FlatButton4Click();

    void CreateControls();
    void CreateListView();
    void CreateGroupBox();
    void CreateEntries();
    void CreatePicker();
    void CreateButtons();
    void SetTabOrder();
    void CreateGridMenu();
    void ShowGridMenu(const QPoint& pos);
    void FormCreate(const std::string& storePath);
    void FormClose();

    // Controls, named as in the window description.
    QTableWidget* listView1_;
    flat::TFlatGroupBox* flatGroupBox1_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label4_;
    QLabel* label5_;
    QLabel* label6_;
    flat::TFlatEdit* flatEdit1_;
    flat::TFlatComboBox* flatComboBox1_;
    calendar_ui::TChnCalendarPicker* chnCalendarPicker1_;
    flat::TFlatComboBox* flatComboBox2_;
    flat::TFlatComboBox* flatComboBox3_;
    flat::TFlatButton* flatButton1_;
    flat::TFlatButton* flatButton2_;
    flat::TFlatButton* flatButton3_;
    flat::TFlatButton* flatButton4_;
    flat::TFlatButton* flatButton5_;

    // The grid's context menu ("复制", "复制全部") and its two entries; Ctrl+C is "复制".
    QMenu* gridMenu_;
    QAction* copyAction_;
    QAction* copyAllAction_;

    UrlOpener opener_;
    bool closed_ = false;
    naming::NameStore adoConnection1_;
    naming::NameQuery adoQuery1_{adoConnection1_};
};
