// Tests of the masonry design strength tables (GB 50003-2001 3.2.1).
#include <gtest/gtest.h>

#include "masonry/GetMasonryFc.h"

TEST(MasonryFc, TabulatedCellsAndCorners) {
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU10", "烧结普通砖", "M5"), 1.50);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU30", "烧结多孔砖", "M15"), 3.94);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU10", "烧结普通砖", "0"), 0.67);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU25", "蒸压粉煤灰砖", "M7.5"), 2.68);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU20", "单排孔砼砌块(灌注)", "Mb15"), 5.68);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU5", "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔≤35%)", "0"), 0.70);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU7.5", "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔＞35%)", "Mb7.5"), 1.93);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU10", "轻骨料砼砌块(火山渣.浮石.陶粒)", "Mb10"), 3.08);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU5", "轻骨料砼砌块(火山渣.浮石.陶粒)", "Mb5"), 1.31);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU100", "毛料石", "M7.5"), 5.42);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU20", "毛料石", "0"), 0.95);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU100", "毛石", "M7.5"), 1.27);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU20", "毛石", "0"), 0.15);
    EXPECT_DOUBLE_EQ(GetMasonryFc("MU50", "毛石", "M2.5"), 0.69);
}

TEST(MasonryFc, MissingCombinationsGiveMinusOne) {
    EXPECT_EQ(GetMasonryFc("MU10", "烧结普通砖", "M15"), -1.0);       // "—" cell
    EXPECT_EQ(GetMasonryFc("MU20", "蒸压灰砂砖", "M2.5"), -1.0);      // no M2.5 column
    EXPECT_EQ(GetMasonryFc("MU10", "单排孔砼砌块(灌注)", "M5"), -1.0);  // block mortar must be "Mb5"
    EXPECT_EQ(GetMasonryFc("MU10", "轻骨料砼砌块(火山渣.浮石.陶粒)", "M5"), -1.0);
    EXPECT_EQ(GetMasonryFc("MU10", "烧结普通砖", "Mb5"), -1.0);
    EXPECT_EQ(GetMasonryFc("MU10", "料石", "M5"), -1.0);              // unknown type
    EXPECT_EQ(GetMasonryFc("MU10", "", "M5"), -1.0);
    EXPECT_EQ(GetMasonryFc("MU35", "烧结普通砖", "M5"), -1.0);        // unknown grade
    EXPECT_EQ(GetMasonryFc("mu10", "烧结普通砖", "M5"), -1.0);        // case as written
    EXPECT_EQ(GetMasonryFc("MU5", "单排孔砼砌块(非灌注)", "Mb7.5"), -1.0);
    EXPECT_EQ(GetMasonryFc("MU7.5", "轻骨料砼砌块(火山渣.浮石.陶粒)", "Mb10"), -1.0);
    EXPECT_EQ(GetMasonryFc("MU10", "毛石", "M10"), -1.0);
}

TEST(MasonryFc, ListsForThePages) {
    CStringArray types;
    GetMasonryUnitTypes(types);
    ASSERT_EQ(types.size(), 11u);
    EXPECT_EQ(types.front(), "烧结普通砖");
    EXPECT_EQ(types[6], "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔＞35%)");
    EXPECT_EQ(types.back(), "毛石");

    CStringArray grades, mortars;
    GetMasonryGrades("烧结多孔砖", grades);
    GetMasonryMortars("烧结多孔砖", mortars);
    EXPECT_EQ(grades, (CStringArray{"MU10", "MU15", "MU20", "MU25", "MU30"}));
    EXPECT_EQ(mortars, (CStringArray{"0", "M2.5", "M5", "M7.5", "M10", "M15"}));

    GetMasonryGrades("蒸压灰砂砖", grades);
    GetMasonryMortars("蒸压灰砂砖", mortars);
    EXPECT_EQ(grades, (CStringArray{"MU10", "MU15", "MU20", "MU25"}));
    EXPECT_EQ(mortars, (CStringArray{"0", "M5", "M7.5", "M10", "M15"}));

    GetMasonryGrades("单排孔砼砌块(非灌注)", grades);
    GetMasonryMortars("单排孔砼砌块(非灌注)", mortars);
    EXPECT_EQ(grades, (CStringArray{"MU5", "MU7.5", "MU10", "MU15", "MU20"}));
    EXPECT_EQ(mortars, (CStringArray{"0", "Mb5", "Mb7.5", "Mb10", "Mb15"}));

    GetMasonryMortars("轻骨料砼砌块(火山渣.浮石.陶粒)", mortars);
    EXPECT_EQ(mortars, (CStringArray{"0", "Mb5", "Mb7.5", "Mb10"}));

    GetMasonryGrades("毛石", grades);
    GetMasonryMortars("毛石", mortars);
    EXPECT_EQ(grades, (CStringArray{"MU20", "MU30", "MU40", "MU50", "MU60", "MU80", "MU100"}));
    EXPECT_EQ(mortars, (CStringArray{"0", "M2.5", "M5", "M7.5"}));

    // Every label pair of every type's lists is a lookup the table answers (value or -1), and
    // the strongest grade with the strongest mortar always has a value.
    for (const std::string& t : types) {
        GetMasonryGrades(t, grades);
        GetMasonryMortars(t, mortars);
        ASSERT_FALSE(grades.empty()) << t;
        EXPECT_GT(GetMasonryFc(grades.back(), t, mortars.back()), 0.0) << t;
        EXPECT_GT(GetMasonryFc(grades.front(), t, "0"), 0.0) << t;
    }

    GetMasonryGrades("料石", grades);
    EXPECT_TRUE(grades.empty());
}
