// Command SHYNDJS: deflection check of a reinforced-concrete flexural member.
#include "VexaModule.h"
#include "concrete/CFlexCheckDlg.h"
#include "concrete/CFlexCheckParam.h"

void CaltSHYNDJS() {
    if (gVexa_Begin() < 0) return;
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "主要实现根据用户的需要，对不同截面、不同支撑类型受弯构件进行挠度验算。用户可以在输入基本已知条件之后，"
        "按【计算】按钮，即可得到符合规范的正确结果。");
    CFlexCheckDlg page;
    CVexaWordDlg book;
    CFlexCheckParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "受弯构件挠度验算", {{&page, "基本参数", 423}, {&book, "计算书", 0}}, param);
}
