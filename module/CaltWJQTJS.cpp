// Command WJQTJS: compressive capacity and height-to-thickness ratio of an unreinforced masonry wall.
#include "VexaModule.h"
#include "masonry/CBrickCarryandHeinghtThickCal.h"
#include "masonry/CBrickCarryandHeinghtThickDlg.h"

void CaltWJQTJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对无筋砌体承载力计算和高厚比进行验算。砌体计算类型包括间墙和整片墙，可选择有无门窗洞口、壁柱或构造柱。"
        "房屋类型包括单层房屋和多层房屋，墙体类型包括自承重墙和承重墙。用户可以在输入基本已知条件之后，"
        "按【计算】按钮，即可得到符合规范的正确结果。");
    CBrickCarryandHeinghtThickDlg page;
    CVexaWordDlg book;
    CBrickCarryandHeinghtThickCal param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "无筋砌体承载力高厚比计算", {{&page, "基本参数", 306}, {&book, "计算书", 0}}, param);
}
