// Command JBSHYJS: local compression check of unreinforced masonry.
#include "VexaModule.h"
#include "masonry/CLocalSufferBearDlg.h"
#include "masonry/CLocalSufferBearParam.h"

void CaltJBSHYJS() {
    if (gVexa_Begin() < 0) return;
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户的需要，对无筋砌体构件进行局部受压验算。验算类型包括砌体局部均匀受压；梁端支承处的砌体局部受压；"
        "梁端设预制刚性垫块的砌体局部受压；梁端设现浇整体梁垫的砌体局部受压。用户可以在输入基本已知条件之后，"
        "按【计算】按钮，即可得到符合规范的正确结果。");
    CLocalSufferBearDlg page;
    CVexaWordDlg book;
    CLocalSufferBearParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "局部受压计算", {{&page, "基本参数", 295}, {&book, "计算书", 0}}, param);
}
