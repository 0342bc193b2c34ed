// The command table: the eleven calculations in menu order.
#include "VexaModule.h"

namespace {
struct CaltRow {
    const char* code;
    const char* category;
    const char* name;
    VexaCaltFunc func;
};

const CaltRow kRows[] = {
    {"SHYNDJS", "钢筋混凝土结构", "受弯构件挠度验算", CaltSHYNDJS},
    {"LFKZHJS", "钢筋混凝土结构", "裂缝控制验算", CaltLFKZHJS},
    {"LZHGJJS", "钢筋混凝土结构", "梁内折角增设箍筋计算", CaltLZHGJJS},
    {"LZFJGJJS", "钢筋混凝土结构", "梁中附加横向钢筋计算", CaltLZFJGJJS},
    {"GLJS", "砌体结构", "过梁计算", CaltGLJS},
    {"TLJS", "砌体结构", "挑梁计算", CaltTLJS},
    {"JBSHYJS", "砌体结构", "局部受压计算", CaltJBSHYJS},
    {"WJQTJS", "砌体结构", "无筋砌体承载力高厚比验算", CaltWJQTJS},
    {"ZHSHQDJS", "桩基础", "桩身强度计算", CaltZHSHQDJS},
    {"GHL", "钢骨计算", "钢骨混凝土梁计算", CaltGHL},
    {"GHZ", "钢骨计算", "钢骨混凝土柱计算", CaltGHZ},
};
}  // namespace

void RegisterCaltFuncs() {
    for (const CaltRow& row : kRows) {
        _tagCaltInfo info(row.code, 1, 0, row.category, row.name, row.func, 0xFFFFFFFF, L'V');
        g_VexaMainInfo.AddCaltFunc(info);
    }
}
