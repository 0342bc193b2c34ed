// Bar arrangement selection: one-size and two-size candidate lists, the run over both targets and the pick.
#include "masonry/MainbarCfgSelection.h"

#include <algorithm>
#include <cmath>

#include "CQuorSteelBar.h"

namespace {

// A bar count from a quotient, truncated toward zero; bounded so that no quotient overflows an int.
int TruncCount(double x) {
    constexpr double kBound = 1e6;
    if (!(x > -kBound)) {
        return -static_cast<int>(kBound);
    }
    if (x > kBound) {
        return static_cast<int>(kBound);
    }
    return static_cast<int>(std::trunc(x));
}

int FirstIndex() { return std::max(MainbarCfgSettings::nFirstIndex, 0); }
int LastIndex() {
    return std::min(MainbarCfgSettings::nLastIndex, static_cast<int>(MainbarCfgSettings::kDiameters.size()) - 1);
}

}  // namespace

int MainbarCfgListOneSize(const MainbarCfgContext& context, double A, double c, MainbarCfgList& list) {
    list.RemoveAll();
    const double k = MainbarCfgSettings::dUpFactor;
    const int least = MainbarCfgSettings::nLeastCount;
    bool anyHolds = false;
    for (int i = FirstIndex(); i <= LastIndex(); ++i) {
        const double d = MainbarCfgSettings::DiameterOf(i);
        const double a1 = CQuorSteelBar::GetSteelBarArea(d, 1);
        const int m = context.BarsPerLayer(d, c);
        if (m * a1 < A) {
            continue;
        }
        anyHolds = true;
        const int o = TruncCount((1.0 + k) * A / a1);
        int r = std::min(m, o);
        if (o < least && list.IsEmpty()) {
            r = std::min(m, least);
        }
        // An exact multiple of one bar's area still adds a bar.
        const int n0 = std::max(TruncCount(A / a1) + 1, least);
        for (int n = n0; n <= r; ++n) {
            list.AddTail(new MainbarCfgResult{i, 0, n, 0});
        }
    }
    if (!list.IsEmpty()) {
        return kMainbarCfgOneSize;
    }
    return anyHolds ? kMainbarCfgNoCount : kMainbarCfgNoDiameter;
}

int MainbarCfgListTwoSizes(const MainbarCfgContext& context, double A, double c, MainbarCfgList& list) {
    list.RemoveAll();
    const double k = MainbarCfgSettings::dUpFactor;
    const int least = MainbarCfgSettings::nLeastCount;
    int lastPairCode = kMainbarCfgNoDiameter;
    for (int i = FirstIndex(); i <= LastIndex(); ++i) {
        for (int j = FirstIndex(); j <= i; ++j) {
            const double d1 = MainbarCfgSettings::DiameterOf(i);
            const double d2 = MainbarCfgSettings::DiameterOf(j);
            const double a1 = CQuorSteelBar::GetSteelBarArea(d1, 1);
            const double a2 = CQuorSteelBar::GetSteelBarArea(d2, 1);
            const int m1 = context.BarsPerLayer(d1, std::max(d1, c));
            const int m2 = context.BarsPerLayer(d2, std::max(d2, c));
            if (m2 * a2 + m1 * a1 < A) {
                lastPairCode = kMainbarCfgNoDiameter;
                continue;
            }
            lastPairCode = kMainbarCfgNoCount;
            const int n1Max = std::min(m1, TruncCount((1.0 + k) * A / a1));
            for (int n1 = least; n1 <= n1Max; ++n1) {
                const int n2Min = std::max(TruncCount((A - n1 * a1) / a2) + 1, least);
                const int n2Max = std::min({TruncCount(((1.0 + k) * A - n1 * a1) / a2),
                                            MainbarCfgSettings::nMaxSecondCount, m2, n1});
                for (int n2 = n2Min; n2 <= n2Max; ++n2) {
                    list.AddTail(new MainbarCfgResult{i, j, n1, n2});
                }
            }
        }
    }
    return list.IsEmpty() ? lastPairCode : kMainbarCfgTwoSizes;
}

int MainbarCfgRun(const MainbarCfgContext& context, double A1, double A2, MainbarCfgSelection& selection) {
    struct Step {
        bool mainTwoSizes;
        bool secondTwoSizes;
    };
    constexpr Step kSteps[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const Step& step : kSteps) {
        selection.dMainTarget = A1;
        selection.dSecondTarget = A2;
        selection.nMainCode = step.mainTwoSizes
                                  ? MainbarCfgListTwoSizes(context, A1, kMainbarCfgMainSpacing, selection.lstMain)
                                  : MainbarCfgListOneSize(context, A1, kMainbarCfgMainSpacing, selection.lstMain);
        selection.nSecondCode =
            step.secondTwoSizes ? MainbarCfgListTwoSizes(context, A2, kMainbarCfgSecondSpacing, selection.lstSecond)
                                : MainbarCfgListOneSize(context, A2, kMainbarCfgSecondSpacing, selection.lstSecond);
        if (selection.Succeeded()) {
            return 1;
        }
    }
    return 0;
}

const MainbarCfgResult* MainbarCfgPick(const MainbarCfgList& list, double target) {
    if (list.IsEmpty()) {
        return nullptr;
    }
    const MainbarCfgResult* best = list.GetTail();
    double bestExcess = best->GetArea() - target;
    for (const MainbarCfgResult* candidate : list) {
        const double excess = candidate->GetArea() - target;
        if (excess < bestExcess) {
            best = candidate;
            bestExcess = excess;
        }
    }
    return best;
}
