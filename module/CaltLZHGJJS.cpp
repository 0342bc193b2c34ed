// Command LZHGJJS: stirrups added at a beam's inner fold angle ("梁内折角增设箍筋计算").
#include "VexaModule.h"
#include "concrete/CBeamAddStirrupDlg.h"
#include "concrete/CBeamAddStirrupDrawDlg.h"
#include "concrete/CBeamAddStirrupParam.h"

void CaltLZHGJJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对梁内折角进行配筋设计，可生成计算书和施工图。用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
    CBeamAddStirrupDlg page;
    CVexaWordDlg book;
    CBeamAddStirrupDrawDlg draw;
    CBeamAddStirrupParam param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "梁内折角增设箍筋计算",
                      {{&page, "基本参数", 264}, {&book, "计算书", 0}, {&draw, "绘图预览", 275}}, param);
}
