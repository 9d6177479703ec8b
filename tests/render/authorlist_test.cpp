// The author list: each author once, by exact name, across drawings.

#include "platform/form.h"
#include "platform/listbox.h"
#include "render/authorlist.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace render {
namespace {

std::vector<std::string> items(const platform::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.listCount(); ++i)
        out.push_back(list.list(i));
    return out;
}

class AuthorListTest : public ::testing::Test {
protected:
    platform::Form form{"map"};
    platform::ListBox List1{form, "List1"};
};

TEST_F(AuthorListTest, EachExactNameOnceInTheOrderMet) {
    AuthorList authors(List1);
    for (const char* name : {"Tommy", "Tom", "Tommy", "tom", "Tom ", "", "Tom"})
        authors.note(name, false);
    EXPECT_EQ(items(List1), (std::vector<std::string>{"Tommy", "Tom", "tom", "Tom "}));
}

TEST_F(AuthorListTest, NamesListedByAnEarlierDrawingAreNotAddedAgain) {
    AuthorList(List1).note("alice", false);
    AuthorList second(List1);
    second.note("bob", false);
    second.note("alice", false);
    EXPECT_EQ(items(List1), (std::vector<std::string>{"alice", "bob"}));

    // After the list was emptied (a new file) the names come again.
    List1.clear();
    AuthorList third(List1);
    third.note("alice", false);
    EXPECT_EQ(items(List1), (std::vector<std::string>{"alice"}));
}

TEST_F(AuthorListTest, NothingIsAddedWhileAnAuthorIsChosen) {
    List1.addItem("alice");
    AuthorList authors(List1);
    authors.note("bob", true);
    EXPECT_EQ(items(List1), (std::vector<std::string>{"alice"}));
    authors.note("bob", false);
    EXPECT_EQ(items(List1), (std::vector<std::string>{"alice", "bob"}));
}

} // namespace
} // namespace render
