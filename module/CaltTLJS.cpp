// Command TLJS: the cantilever beam calculation ("挑梁计算").
#include "VexaModule.h"
#include "masonry/CTiltBeamCalParam.h"
#include "masonry/CTiltBeamDrawDlg.h"
#include "masonry/CTiltBeamInputDlg.h"
#include "masonry/CTiltBeamOtherInputDlg.h"
#include "masonry/CTiltBeamOutPutDlg.h"

void CaltTLJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对钢筋混凝土挑梁进行设计。主要包括对挑梁正截面和斜截面的承载力计算、抗倾覆验算及局部受压承载力验算。"
        "用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果，同时生成规范化的施工图，可以直接插入AutoCAD图中。");
    CTiltBeamInputDlg input;
    CTiltBeamOtherInputDlg loads;
    CTiltBeamOutPutDlg result;
    CVexaWordDlg book;
    CTiltBeamDrawDlg draw;
    CTiltBeamCalParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "挑梁计算",
                      {{&input, "基本参数", CTiltBeamInputDlg::IDD},
                       {&loads, "计算参数", CTiltBeamOtherInputDlg::IDD},
                       {&result, "计算结果", CTiltBeamOutPutDlg::IDD},
                       {&book, "计算书", 0},
                       {&draw, "绘图预览", CTiltBeamDrawDlg::IDD}},
                      param);
}
