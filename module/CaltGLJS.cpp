// Command GLJS: the reinforced-concrete lintel ("过梁计算").
#include "VexaModule.h"
#include "masonry/CSummerCalParam.h"
#include "masonry/CSummerDrawDlg.h"
#include "masonry/CSummerInputDlg.h"
#include "masonry/CSummerResultDlg.h"

void CaltGLJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对钢筋混凝土过梁的进行设计。主要包括对过梁正截面和斜截面的承载力计算及梁端支承处的砌体局部受压承载力验算。用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果，同时生成规范化的施工图，可以直接插入AutoCAD图中。");
    CSummerInputDlg input;
    CSummerResultDlg result;
    CVexaWordDlg book;
    CSummerDrawDlg draw;
    CSummerCalParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "过梁计算",
                      {{&input, "基本参数", 266}, {&result, "计算结果", 274}, {&book, "计算书", 0}, {&draw, "绘图预览", 292}},
                      param);
}
