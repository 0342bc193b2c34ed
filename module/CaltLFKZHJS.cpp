// Command LFKZHJS: the crack-width control check ("裂缝控制验算").
#include "VexaModule.h"
#include "concrete/CChinkControlDlg.h"
#include "concrete/CChinkControlParam.h"

void CaltLFKZHJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户的需要，对不同截面、不同受力类型构件进行裂缝控制验算。用户可以在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
    CChinkControlDlg page;
    CVexaWordDlg book;
    CChinkControlParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "裂缝控制验算", {{&page, "基本参数", 420}, {&book, "计算书", 0}}, param);
}
