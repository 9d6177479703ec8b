// List boxes and combo boxes: hidden data lists without a widget, the ListIndex rules, the
// selection following its item, and the user's choice.

#include "controls_testing.h"
#include "platform/form.h"
#include "platform/listbox.h"
#include "platform/listbox_combo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

class ListBoxTest : public ::testing::Test {
protected:
    Form form{"frmList"};
};

TEST_F(ListBoxTest, HiddenDataListHoldsThousandsOfItemsWithoutAWidget) {
    ListBox keys(form, "List5", false);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (int i = 0; i < 100000; ++i)
        keys.addItem(std::to_string(i) + "#");
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("[          ] 100000 AddItem on a hidden list: %.1f ms\n", ms);
    EXPECT_EQ(keys.widget(), nullptr);
    EXPECT_EQ(keys.listCount(), 100000);
    EXPECT_EQ(keys.list(99999), "99999#");
    EXPECT_LT(ms, 1000);
}

TEST_F(ListBoxTest, ItemsPastTheEndReadEmptyAndBadIndexesFault) {
    ListBox list(form, "List2", false);
    list.addItem("a");
    list.addItem("c");
    list.addItem("b", 1);
    EXPECT_EQ(list.list(1), "b");
    EXPECT_EQ(list.list(3), "") << "an item missing reads as the empty text";
    EXPECT_EQ(faultOf([&] { (void)list.list(-1); }), 381);
    EXPECT_EQ(faultOf([&] { list.addItem("x", 4); }), 5);
    EXPECT_EQ(faultOf([&] { list.removeItem(3); }), 5);
    EXPECT_EQ(faultOf([&] { list.removeItem(-1); }), 5);
    EXPECT_EQ(faultOf([&] { (void)list.selected(3); }), 381);
}

TEST_F(ListBoxTest, ListIndexRunsFromMinusOneAndRaisesClickWhenItChanges) {
    ListBox list(form, "List4", false);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    EXPECT_EQ(list.listIndex(), -1) << "nothing chosen at first";
    EXPECT_EQ(faultOf([&] { list.setListIndex(0); }), 380) << "an empty list has no entry 0";
    list.addItem("one");
    list.addItem("two");
    list.setListIndex(1);
    EXPECT_EQ(list.text(), "two");
    list.setListIndex(1);
    EXPECT_EQ(clicks, 1) << "the same value again is no change";
    EXPECT_EQ(faultOf([&] { list.setListIndex(2); }), 380);
    EXPECT_EQ(faultOf([&] { list.setListIndex(-2); }), 380);
    list.setListIndex(-1);
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(clicks, 2);
}

TEST_F(ListBoxTest, SelectionFollowsItsItem) {
    ListBox list(form, "List1", false);
    for (const char* name : {"ann", "bob", "cy", "di"})
        list.addItem(name);
    list.setListIndex(2);
    list.addItem("zed", 0);
    EXPECT_EQ(list.listIndex(), 3);
    list.removeItem(1);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.text(), "cy");
    list.removeItem(2);
    EXPECT_EQ(list.listIndex(), -1) << "its item is gone";
    list.setSelected(0, true);
    EXPECT_TRUE(list.selected(0));
    list.setSelected(1, false);
    EXPECT_EQ(list.listIndex(), 0) << "deselecting another item changes nothing";
    list.setSelected(0, false);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(0);
    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.listCount(), 0);
}

TEST_F(ListBoxTest, ShowingAListMakesItsWidgetOverTheSameItems) {
    ListBox list(form, "List3", false);
    list.addItem("first");
    list.addItem("second");
    list.setListIndex(1);
    list.move(0, 0, 1500, 1500);
    list.setVisible(true);
    auto* view = static_cast<QAbstractItemView*>(list.widget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->rowCount(), 2);
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), "first");
    EXPECT_EQ(view->currentIndex().row(), 1);
    list.addItem("third");
    EXPECT_EQ(view->model()->rowCount(), 3) << "the model reads the items in place";
    list.setVisible(false);
    EXPECT_NE(list.widget(), nullptr) << "once made, the widget stays and is hidden";
    EXPECT_FALSE(list.widget()->isVisibleTo(form.host()));
}

TEST_F(ListBoxTest, PressSelectsTheRowBeforeMouseDownRuns) {
    form.window()->resize(300, 300);
    form.show();
    ListBox list(form, "List4");
    list.move(0, 0, 3000, 3000);
    for (const char* entry : {"alpha", "beta", "gamma"})
        list.addItem(entry);
    QApplication::processEvents();
    std::string order;
    list.onMouseDown = [&](int, int, double, double) { order += "down:" + list.text() + " "; };
    list.onClick = [&] { order += "click:" + list.text() + " "; };
    list.onDblClick = [&] { order += "dbl:" + std::to_string(list.listIndex()) + " "; };
    auto* view = static_cast<QAbstractItemView*>(list.widget());
    const QPoint second = view->visualRect(view->model()->index(1, 0)).center();
    testing::doubleClick(view->viewport(), second);
    EXPECT_EQ(order, "click:beta down:beta dbl:1 ");
}

TEST_F(ListBoxTest, UserChoiceIsDroppedWhileBusy) {
    form.window()->resize(300, 300);
    form.show();
    ListBox list(form, "List4");
    list.move(0, 0, 3000, 3000);
    list.addItem("alpha");
    list.addItem("beta");
    QApplication::processEvents();
    auto* view = static_cast<QAbstractItemView*>(list.widget());
    const QPoint second = view->visualRect(view->model()->index(1, 0)).center();
    {
        testing::BusyScope busy;
        testing::click(view->viewport(), second);
    }
    EXPECT_EQ(list.listIndex(), -1);
    testing::click(view->viewport(), second);
    EXPECT_EQ(list.listIndex(), 1);
}

TEST_F(ListBoxTest, TypingIntoAComboBoxIsDroppedWhileBusy) {
    ComboBox combo(form, "Combo1");
    QLineEdit* edit = static_cast<QComboBox*>(combo.widget())->lineEdit();
    {
        testing::BusyScope busy;
        testing::sendKey(edit, Qt::Key_A, "a");
    }
    EXPECT_EQ(combo.text(), "");
    testing::sendKey(edit, Qt::Key_B, "b");
    EXPECT_EQ(combo.text(), "b");
    EXPECT_EQ(combo.listIndex(), -1);
}

TEST_F(ListBoxTest, ComboBoxTextAndListIndex) {
    ComboBox combo(form, "Combo1");
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.setText("POINTS OF INTERST");
    for (const char* name : {"All POIs", "Addresses", "ATMs"})
        combo.addItem(name);
    auto* box = static_cast<QComboBox*>(combo.widget());
    EXPECT_EQ(combo.text(), "POINTS OF INTERST") << "adding items leaves the text";
    EXPECT_EQ(box->currentText(), "POINTS OF INTERST");
    EXPECT_EQ(combo.listIndex(), -1);
    combo.setListIndex(2);
    EXPECT_EQ(combo.text(), "ATMs");
    EXPECT_EQ(clicks, 1);
    combo.setText("Select POI ");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks, 1) << "assigning Text is no Click";
    emit box->activated(1);
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(combo.text(), "Addresses");
    EXPECT_EQ(clicks, 2);
    emit box->activated(1);
    EXPECT_EQ(clicks, 3) << "picking the entry already chosen clicks again";
    box->setCurrentIndex(2); // a pick from the drop-down shows the entry in the edit field
    EXPECT_EQ(box->lineEdit()->text(), "ATMs");
    combo.clear();
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "Addresses") << "clearing the list keeps the text";
    EXPECT_EQ(faultOf([&] { combo.setListIndex(0); }), 380);
}

TEST_F(ListBoxTest, ComboBoxChoiceFollowsItsItemAndKeepsItsText) {
    ComboBox combo(form, "Combo1");
    auto* box = static_cast<QComboBox*>(combo.widget());
    for (const char* name : {"a", "b", "c"})
        combo.addItem(name);
    combo.setListIndex(1);
    combo.addItem("z", 0);
    EXPECT_EQ(combo.listIndex(), 2);
    EXPECT_EQ(box->currentIndex(), 2) << "the widget follows the moved choice";
    combo.removeItem(0);
    EXPECT_EQ(combo.listIndex(), 1);
    combo.removeItem(1);
    EXPECT_EQ(combo.listIndex(), -1) << "its item is gone";
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(combo.text(), "b");
    EXPECT_EQ(box->currentText(), "b");
    EXPECT_EQ(combo.list(1), "c");
    EXPECT_EQ(combo.list(2), "");
    EXPECT_EQ(faultOf([&] { (void)combo.list(-1); }), 381);
    EXPECT_EQ(faultOf([&] { combo.addItem("x", 3); }), 5);
    EXPECT_EQ(faultOf([&] { combo.removeItem(2); }), 5);
}

} // namespace
} // namespace platform
