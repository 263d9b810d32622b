#pragma once

// The one way tests (and benchmarks) reach the private parts of the widgets: each of these
// classes names TestAccess its friend (src/gdi/test_access_fwd.h). The accessors are
// templates, so this header needs none of the widget headers; a suite includes the widgets it
// tests, and an accessor compiles only where it is used.
struct TestAccess {
    // The month calendar's owned parts.
    template <class C> static auto& yearSpin(C& c) { return c.yearSpin_; }
    template <class C> static auto& monthSpin(C& c) { return c.monthSpin_; }
    template <class C> static auto& todayLabel(C& c) { return c.todayLabel_; }
    template <class C> static auto& monthLabel(C& c) { return c.monthLabel_; }
    template <class C> static auto& monthUnitLabel(C& c) { return c.monthUnitLabel_; }
    template <class C> static auto& yearLabel(C& c) { return c.yearLabel_; }
    template <class C> static auto& yearUnitLabel(C& c) { return c.yearUnitLabel_; }
    template <class C> static auto& infoLabel(C& c) { return c.infoLabel_; }
    template <class C> static auto& dayGrid(C& c) { return c.dayGrid_; }
    template <class C> static auto& monthMenu(C& c) { return c.monthMenu_; }
    template <class C> static auto& yearMenu(C& c) { return c.yearMenu_; }

    // The date picker's fields and drop-down button.
    template <class P> static auto& yearEdit(P& p) { return p.yearEdit_; }
    template <class P> static auto& monthEdit(P& p) { return p.monthEdit_; }
    template <class P> static auto& dayEdit(P& p) { return p.dayEdit_; }
    template <class P> static auto& downButton(P& p) { return p.downButton_; }

    // The main window's controls, its grid menu and the start button's handler.
    template <class F> static auto& listView1(F& f) { return f.listView1_; }
    template <class F> static auto& flatGroupBox1(F& f) { return f.flatGroupBox1_; }
    template <class F> static auto& label1(F& f) { return f.label1_; }
    template <class F> static auto& label2(F& f) { return f.label2_; }
    template <class F> static auto& label3(F& f) { return f.label3_; }
    template <class F> static auto& label4(F& f) { return f.label4_; }
    template <class F> static auto& label5(F& f) { return f.label5_; }
    template <class F> static auto& label6(F& f) { return f.label6_; }
    template <class F> static auto& flatEdit1(F& f) { return f.flatEdit1_; }
    template <class F> static auto& flatComboBox1(F& f) { return f.flatComboBox1_; }
    template <class F> static auto& flatComboBox2(F& f) { return f.flatComboBox2_; }
    template <class F> static auto& flatComboBox3(F& f) { return f.flatComboBox3_; }
    template <class F> static auto& chnCalendarPicker1(F& f) { return f.chnCalendarPicker1_; }
    template <class F> static auto& flatButton1(F& f) { return f.flatButton1_; }
    template <class F> static auto& flatButton2(F& f) { return f.flatButton2_; }
    template <class F> static auto& flatButton3(F& f) { return f.flatButton3_; }
    template <class F> static auto& flatButton4(F& f) { return f.flatButton4_; }
    template <class F> static auto& flatButton5(F& f) { return f.flatButton5_; }
    template <class F> static auto& gridMenu(F& f) { return f.gridMenu_; }
    template <class F> static auto& copyAction(F& f) { return f.copyAction_; }
    template <class F> static auto& copyAllAction(F& f) { return f.copyAllAction_; }
    template <class F> static void flatButton1Click(F& f) { f.FlatButton1Click(); }

    // What all flat buttons share: the hover timer, the button it tracks, the live count
    // (B is flat::TFlatButton).
    template <class B> static auto hoverTimer() { return B::HoverTimer(); }
    template <class B> static auto trackedButton() { return B::TrackedButton(); }
    template <class B> static int buttonCount() { return B::ButtonCount(); }
};
