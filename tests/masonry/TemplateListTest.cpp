// Candidate lists: tail order and count, and the pointer list deleting what it owns.
#include <gtest/gtest.h>

#include <utility>

#include "masonry/CTemplateList.h"
#include "masonry/CTemplatePtrList.h"

namespace {

// Counts the elements alive.
struct Tracked {
    static int alive;
    int value;
    explicit Tracked(int v) : value(v) { ++alive; }
    ~Tracked() { --alive; }
};
int Tracked::alive = 0;

}  // namespace

TEST(TemplateList, AppendsAtTheTailAndCounts) {
    CTemplateList<int> list;
    EXPECT_TRUE(list.IsEmpty());
    for (int v : {3, 1, 2}) {
        list.AddTail(v);
    }
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetHead(), 3);
    EXPECT_EQ(list.GetTail(), 2);
    EXPECT_EQ(list.GetAt(1), 1);
    int order[3];
    int i = 0;
    for (int v : list) {
        order[i++] = v;
    }
    EXPECT_EQ(order[0], 3);
    EXPECT_EQ(order[2], 2);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(TemplatePtrList, DeletesItsElements) {
    {
        CTemplatePtrList<Tracked*> list;
        list.AddTail(new Tracked(1));
        list.AddTail(new Tracked(2));
        EXPECT_EQ(Tracked::alive, 2);
        EXPECT_EQ(list.GetTail()->value, 2);
        list.RemoveAll();
        EXPECT_EQ(Tracked::alive, 0);
        EXPECT_TRUE(list.IsEmpty());

        list.AddTail(new Tracked(3));
        CTemplatePtrList<Tracked*> moved(std::move(list));
        EXPECT_EQ(moved.GetCount(), 1);
        EXPECT_EQ(list.GetCount(), 0);  // NOLINT(bugprone-use-after-move): a moved-from list is empty
        CTemplatePtrList<Tracked*> target;
        target.AddTail(new Tracked(4));
        target = std::move(moved);  // deletes the 4
        EXPECT_EQ(Tracked::alive, 1);
        EXPECT_EQ(target.GetHead()->value, 3);
    }
    EXPECT_EQ(Tracked::alive, 0);
}
