// Command GHZ: steel-reinforced-concrete column.
#include "VexaModule.h"
#include "src_column/CSteelPillarCalParam.h"
#include "src_column/CSteelPillarInputDlg.h"
#include "src_column/CSteelPillarOutputDlg.h"

void CaltGHZ() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对钢骨混凝土柱进行设计。主要包括对钢骨混凝土梁正截面验算和斜截面的承载力计算、轴压比验算。"
        "用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果，同时生成规范化的施工图，可以直接插入AutoCAD图中。");
    CSteelPillarInputDlg input;
    CSteelPillarOutputDlg output;
    CVexaWordDlg book;
    CSteelPillarCalParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "钢骨混凝土柱计算",
                      {{&input, "基本参数", CSteelPillarInputDlg::kTemplateId},
                       {&output, "计算结果", CSteelPillarOutputDlg::kTemplateId},
                       {&book, "计算书", 0}},
                      param);
}
