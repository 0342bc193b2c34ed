// Command LZFJGJJS: the additional transverse reinforcement calculation ("梁中附加横向钢筋计算").
#include "VexaModule.h"
#include "concrete/CBeamAdditionalReinDlg.h"
#include "concrete/CBeamLandscapeReinCal.h"
#include "concrete/CBeamLandscapeReinDrawDlg.h"

void CaltLZFJGJJS() {
    if (gVexa_Begin() < 0) {
        return;
    }
    VexaCommandScope scope;
    g_VexaMainInfo.SetDescription(
        "根据用户需要，对附加横向钢筋（包括箍筋和吊筋）进行配筋设计，可生成计算书和施工图。用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
    CBeamAdditionalReinDlg page;
    CVexaWordDlg book;
    CBeamLandscapeReinDrawDlg drawPage;
    CBeamLandscapeReinCal param;
    CVexaTabDlg tab;
    VexaShowTabDialog(scope, tab, "梁中附加横向钢筋计算",
                      {{&page, "基本参数", 276}, {&book, "计算书", 0}, {&drawPage, "绘图预览", 269}}, param);
}
