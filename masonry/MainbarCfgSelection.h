// Bar arrangement selection: candidate arrangements for two required areas at once, and the pick of the closest.
#pragma once

#include "masonry/CTemplatePtrList.h"
#include "masonry/MainbarCfgContext.h"
#include "masonry/MainbarCfgResult.h"
#include "masonry/MainbarCfgSettings.h"

using MainbarCfgList = CTemplatePtrList<MainbarCfgResult*>;

// Result codes of a list: candidates found with one size (0) or two sizes (1); some diameter could
// hold the target but no count met the limits (-1); no diameter reached the target in one layer
// (-2). A negative code is a failure.
constexpr int kMainbarCfgOneSize = 0;
constexpr int kMainbarCfgTwoSizes = 1;
constexpr int kMainbarCfgNoCount = -1;
constexpr int kMainbarCfgNoDiameter = -2;

// Clear spacings between bars, mm: the main bars and the second group.
constexpr double kMainbarCfgMainSpacing = 25.0;
constexpr double kMainbarCfgSecondSpacing = 30.0;

// The outcome of one run: both lists, both targets (mm²) and both codes (-1 before a run).
struct MainbarCfgSelection {
    MainbarCfgList lstMain;
    MainbarCfgList lstSecond;
    double dMainTarget = 0;
    double dSecondTarget = 0;
    int nMainCode = -1;
    int nSecondCode = -1;

    // Both lists hold candidates.
    bool Succeeded() const { return nMainCode >= 0 && nSecondCode >= 0; }
};

// Replaces `list` with the one-size arrangements for target area A (mm²) at clear spacing c (mm),
// diameters ascending, counts ascending; returns its code (0, -1 or -2).
int MainbarCfgListOneSize(const MainbarCfgContext& context, double A, double c, MainbarCfgList& list);
// Replaces `list` with the two-size arrangements (first size i, second size j ≤ i, n2 ≤ n1);
// returns its code (1, or that of the last pair tried: -1 or -2).
int MainbarCfgListTwoSizes(const MainbarCfgContext& context, double A, double c, MainbarCfgList& list);

// Fills both lists for the main target A1 (spacing 25 mm) and the second target A2 (30 mm):
// one size for both, then two sizes for the main list, then for the second, then for both,
// stopping at the first step in which both lists hold candidates. Returns 1 then, else 0 (the
// selection keeps the last step's lists and codes).
int MainbarCfgRun(const MainbarCfgContext& context, double A1, double A2, MainbarCfgSelection& selection);

// The candidate whose area exceeds `target` least: the last candidate to start with, then, from
// the head, any whose excess is strictly smaller. nullptr for an empty list.
const MainbarCfgResult* MainbarCfgPick(const MainbarCfgList& list, double target);
