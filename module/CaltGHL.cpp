// Command GHL: the steel-reinforced-concrete beam ("钢骨混凝土梁计算").
#include "VexaModule.h"
#include "src_beam/CSteelBeamCalParam.h"
#include "src_beam/CSteelBeamInputDlg.h"
#include "src_beam/CSteelBeamOutputDlg.h"

void CaltGHL() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对钢骨混凝土梁进行设计。主要包括对钢骨混凝土梁正截面验算和斜截面的承载力计算、剪压比、挠度和裂缝验算。用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果，同时生成规范化的施工图，可以直接插入AutoCAD图中。");
    CSteelBeamInputDlg input;
    CSteelBeamOutputDlg output;
    CVexaWordDlg book;
    CSteelBeamCalParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "钢骨混凝土梁计算",
                      {{&input, "基本参数", 441}, {&output, "计算结果", 443}, {&book, "计算书", 0}}, param);
}
