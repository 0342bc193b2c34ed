// Command ZHSHQDJS: pile shaft strength.
#include "VexaModule.h"
#include "pile/CPegIntensionParam.h"
#include "pile/CpegIntensionDlg.h"

void CaltZHSHQDJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户的需要，验算桩身混凝土强度，可以计算单桩竖向承载力设计值、单桩竖向承载力特征值或桩身混凝土强度等级。"
        "用户可以在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
    CpegIntensionDlg page;
    CVexaWordDlg book;
    CPegIntensionParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "桩身强度计算", {{&page, "基本参数", 422}, {&book, "计算书", 0}}, param);
}
