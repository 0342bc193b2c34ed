// Deflection check page (template 423) driven through the real command, as a user would.
#include <gtest/gtest.h>

#include "CVexaMainInfo.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "concrete/CFlexCheckDlg.h"
#include "concrete/CFlexCheckParam.h"

namespace {

using D = CFlexCheckDlg;

struct Open {
    CVexaTabDlg& dlg;
    CFlexCheckDlg& page;
    CFlexCheckParam& param;
    VexaSession session;

    explicit Open(CVexaTabDlg& d)
        : dlg(d),
          page(dynamic_cast<CFlexCheckDlg&>(*d.GetPages().at(0).page)),
          param(dynamic_cast<CFlexCheckParam&>(*d.GetParam())),
          session(d) {}

    void Set(const std::string& keyOrLabel, const std::string& value) {
        const VexaSetResult r = session.Set(keyOrLabel, value);
        ASSERT_EQ(r.status, VexaSetResult::Ok) << keyOrLabel << ": " << r.message;
    }
    bool Enabled(int id) const { return page.IsWindowEnabled(id); }
};

// Runs SHYNDJS on a fresh store.
void RunFlex(const std::function<void(Open&)>& body) {
    VexaTestFreshStore();
    bool ran = false;
    ASSERT_TRUE(VexaRunCommandWith("SHYNDJS", [&](CVexaTabDlg& dlg) {
        Open o(dlg);
        body(o);
        ran = true;
    }));
    EXPECT_TRUE(ran);
}

}  // namespace

TEST(FlexCheckPage, CommandBuildsTwoTabsAndTheTemplateMatchesTheBindings) {
    RunFlex([](Open& o) {
        EXPECT_EQ(o.dlg.GetTitle(), "受弯构件挠度验算");
        ASSERT_EQ(o.dlg.GetPages().size(), 2u);
        EXPECT_EQ(o.dlg.GetPages()[0].label, "基本参数");
        EXPECT_EQ(o.dlg.GetPages()[0].templateId, 423);
        EXPECT_EQ(o.dlg.GetPages()[1].label, "计算书");
        EXPECT_EQ(o.dlg.GetPages()[1].templateId, 0);
        EXPECT_EQ(g_VexaMainInfo.GetDescription(),
                  "主要实现根据用户的需要，对不同截面、不同支撑类型受弯构件进行挠度验算。用户可以在输入基本已知条件之后，"
                  "按【计算】按钮，即可得到符合规范的正确结果。");

        // every persisted field has its control, of the right kind
        std::vector<std::string> keys;
        for (const VexaField& f : o.param.GetFields()) {
            keys.emplace_back(f.key);
        }
        const auto bindings = o.page.GetFieldControls();
        ASSERT_EQ(bindings.size(), keys.size());
        for (std::size_t i = 0; i < bindings.size(); ++i) {
            EXPECT_EQ(bindings[i].key, keys[i]);
            ASSERT_TRUE(o.page.HasControl(bindings[i].id)) << bindings[i].key;
            const VexaCtrlKind kind = o.page.Control(bindings[i].id).kind;
            const std::string key = bindings[i].key;
            const VexaCtrlKind expected = key.rfind("/m_str", 0) == 0 && key != "/m_strCode" ? VexaCtrlKind::DropList
                                          : key.rfind("/m_b", 0) == 0                        ? VexaCtrlKind::Check
                                                                                             : VexaCtrlKind::Edit;
            EXPECT_EQ(kind, expected) << key;
        }
        for (int id = D::IDC_STATIC_CODE; id <= D::IDC_EDIT_RESULT; ++id) {
            EXPECT_TRUE(o.page.HasControl(id)) << id;
        }

        // labels lead to their fields
        const std::pair<const char*, const char*> labels[] = {
            {"构件编号", "/m_strCode"},
            {"截面宽度b", "/m_dB"},
            {"受压区翼缘高度hf'", "/m_dHf2"},
            {"构件计算跨度Lo", "/m_dLo"},
            {"纵筋合力点至近边距离as", "/m_dAs"},
            {"准永久值系数ψq", "/m_dYq"},
            {"受压区纵筋实配面积As'", "/m_dAreaOfSY"},
            {"直接承受重复荷载的构件(ψ=1.0)", "/m_bYToBeOne"},
            {"挠度限值", "/m_dMaxFlexRatio"},
            {"挠度要求较高", "/m_bIsRequalWell"},
        };
        for (const auto& [label, key] : labels) {
            VexaControlRef ref;
            ASSERT_TRUE(o.session.Find(label, ref)) << label;
            EXPECT_EQ(ref.key, key) << label;
        }
        EXPECT_EQ(o.page.Control(D::IDC_COMBO_SECTYPE).items,
                  (std::vector<std::string>{"矩形", "T形", "倒T形", "I形(对称)", "I形( 非对称)"}));
        EXPECT_EQ(o.page.Control(D::IDC_COMBO_ZCTYPE).items,
                  (std::vector<std::string>{"两端简支", "两端固定", "一端简支一端固定", "悬臂"}));
        EXPECT_EQ(o.page.Control(D::IDC_COMBO_OBJTYPE).items,
                  (std::vector<std::string>{"手动吊车梁", "电动吊车梁", "屋盖楼盖及楼梯构件"}));
        EXPECT_EQ(o.page.Control(D::IDC_COMBO_CALTYPE).items, (std::vector<std::string>{"直接输入", "自动计算"}));
    });
}

TEST(FlexCheckPage, OpensWithTheDefaultsAndTheirVerdict) {
    RunFlex([](Open& o) {
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_CODE), "L_1");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_B), "1000");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_YQ), "1");
        EXPECT_EQ(o.page.GetComboBoxText(D::IDC_COMBO_CONGRADE), "C30");
        EXPECT_EQ(o.page.GetComboBoxText(D::IDC_COMBO_STEELGRADE), "HRB335");
        EXPECT_EQ(o.page.GetComboBoxText(D::IDC_COMBO_ZCTYPE), "两端固定");
        EXPECT_EQ(o.page.Control(D::IDC_PICTURE_SECTION).picture, "425");
        EXPECT_TRUE(o.page.Control(D::IDC_EDIT_RESULT).readOnly);
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RESULT), "fmax = 0.981mm ≤ fo = lo/200 = 3000/200 = 15.000mm,满足要求。");
        for (int id : {D::IDC_EDIT_BF1, D::IDC_EDIT_HF1, D::IDC_EDIT_BF2, D::IDC_EDIT_HF2}) {
            EXPECT_FALSE(o.Enabled(id)) << id;
        }
        EXPECT_TRUE(o.Enabled(D::IDC_EDIT_RATIO));
        EXPECT_FALSE(o.Enabled(D::IDC_COMBO_OBJTYPE));
        EXPECT_FALSE(o.Enabled(D::IDC_CHECK_REQUALWELL));
    });
}

TEST(FlexCheckPage, SectionTypeSetsPictureAndFlangeEdits) {
    RunFlex([](Open& o) {
        o.Set("截面宽度b", "200");
        o.Set("截面高度h", "500");
        struct Case {
            const char* sec;
            const char* picture;
            bool tension, compression;
        };
        const Case cases[] = {{"T形", "426", false, true},
                              {"倒T形", "427", true, false},
                              {"I形( 非对称)", "428", true, true},
                              {"I形(对称)", "428", true, false},
                              {"矩形", "425", false, false}};
        for (const Case& k : cases) {
            o.Set("截面类型", k.sec);
            EXPECT_EQ(o.page.Control(D::IDC_PICTURE_SECTION).picture, k.picture) << k.sec;
            EXPECT_EQ(o.Enabled(D::IDC_EDIT_BF1), k.tension) << k.sec;
            EXPECT_EQ(o.Enabled(D::IDC_EDIT_HF1), k.tension) << k.sec;
            EXPECT_EQ(o.Enabled(D::IDC_EDIT_BF2), k.compression) << k.sec;
            EXPECT_EQ(o.Enabled(D::IDC_EDIT_HF2), k.compression) << k.sec;
            EXPECT_EQ(o.param.m_strSecType, k.sec);
            EXPECT_TRUE(o.param.IsCalculated()) << o.param.m_strResult;
        }
        // a disabled flange edit refuses input
        EXPECT_EQ(o.session.Set("受拉区翼缘宽度bf", "700").status, VexaSetResult::Disabled);
    });
}

TEST(FlexCheckPage, SymmetricISectionCopiesTheFlanges) {
    RunFlex([](Open& o) {
        o.Set("截面宽度b", "200");
        o.Set("截面类型", "I形( 非对称)");
        o.Set("受压区翼缘宽度bf'", "800");
        o.Set("受压区翼缘高度hf'", "60");
        o.Set("截面类型", "I形(对称)");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_BF2), "600");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_HF2), "100");
        o.Set("受拉区翼缘宽度bf", "500");
        o.Set("受拉区翼缘高度hf", "40");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_BF2), "500");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_HF2), "40");
        EXPECT_DOUBLE_EQ(o.param.m_dBf2, 500);
        EXPECT_DOUBLE_EQ(o.param.m_dHf2, 40);
        // h0 = 170, hf' = 40 > 34: γf' = (500-200)·0.2/200
        EXPECT_NEAR(o.param.m_FlexCheck.m_dGammaF, 0.3, 1e-12);
    });
}

TEST(FlexCheckPage, LimitModeEnablingAndAutomaticRatio) {
    RunFlex([](Open& o) {
        o.Set("输入方式", "自动计算");
        EXPECT_FALSE(o.Enabled(D::IDC_EDIT_RATIO));
        EXPECT_TRUE(o.Enabled(D::IDC_COMBO_OBJTYPE));
        EXPECT_TRUE(o.Enabled(D::IDC_CHECK_REQUALWELL));
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RATIO), "200");
        EXPECT_EQ(o.session.Set("挠度限值", "300").status, VexaSetResult::Disabled);

        o.Set("构件计算跨度Lo", "7000");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RATIO), "250");
        o.Set("挠度要求较高", "1");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RATIO), "300");
        EXPECT_DOUBLE_EQ(o.param.m_dMaxFlex, 7000.0 / 300.0);

        o.Set("构件类型", "电动吊车梁");
        EXPECT_FALSE(o.Enabled(D::IDC_CHECK_REQUALWELL));
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RATIO), "600");

        o.Set("输入方式", "直接输入");
        EXPECT_TRUE(o.Enabled(D::IDC_EDIT_RATIO));
        EXPECT_FALSE(o.Enabled(D::IDC_COMBO_OBJTYPE));
        EXPECT_FALSE(o.Enabled(D::IDC_CHECK_REQUALWELL));
        o.Set("挠度限值", "400");
        EXPECT_DOUBLE_EQ(o.param.m_dMaxFlex, 7000.0 / 400.0);
    });
}

TEST(FlexCheckPage, OutOfRangeValueIsRefusedAndTheLastOneStays) {
    RunFlex([](Open& o) {
        o.Set("截面宽度b", "0");
        ASSERT_EQ(o.dlg.GetMessages().size(), 1u);
        EXPECT_EQ(o.dlg.GetMessages()[0].kind, VexaMessageKind::Range);
        EXPECT_EQ(o.dlg.GetMessages()[0].text, "截面宽度b应在1～10000之间，请重新输入！");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_B), "1000");
        EXPECT_DOUBLE_EQ(o.param.m_dB, 1000);
        EXPECT_TRUE(o.param.IsCalculated());
        o.dlg.ClearMessages();

        o.Set("准永久值系数ψq", "0.000001");
        ASSERT_EQ(o.dlg.GetMessages().size(), 1u);
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_YQ), "1");
        o.dlg.ClearMessages();

        o.Set("受压区纵筋实配面积As'", "0");  // the lower bound itself is allowed
        o.Set("构件计算跨度Lo", "100000");
        EXPECT_TRUE(o.dlg.GetMessages().empty());
        EXPECT_DOUBLE_EQ(o.param.m_dLo, 100000);
    });
}

TEST(FlexCheckPage, CrossFieldErrorCalculatesNothing) {
    RunFlex([](Open& o) {
        o.Set("截面类型", "T形");  // b = 1000 is not below bf' = 600
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RESULT), "应该满足b < bf'!");
        EXPECT_EQ(o.dlg.RunCalculation(), 0);
        ASSERT_EQ(o.dlg.GetMessages().size(), 1u);
        EXPECT_EQ(o.dlg.GetMessages()[0].kind, VexaMessageKind::Error);
        EXPECT_EQ(o.dlg.GetMessages()[0].text, "应该满足b < bf'!\n");
        EXPECT_FALSE(o.param.IsCalculated());
        EXPECT_DOUBLE_EQ(o.param.m_FlexCheck.m_dFmax, 0);
        o.dlg.ClearMessages();

        o.Set("截面类型", "矩形");
        o.Set("纵筋合力点至近边距离as", "200");  // h0 = 0
        EXPECT_EQ(o.dlg.RunCalculation(), 0);
        ASSERT_EQ(o.dlg.GetMessages().size(), 1u);
        EXPECT_EQ(o.dlg.GetMessages()[0].text, "应该满足as < h!\n");
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_RESULT), "应该满足as < h!");
        o.dlg.ClearMessages();

        o.Set("纵筋合力点至近边距离as", "30");
        EXPECT_EQ(o.dlg.RunCalculation(), 1);
        EXPECT_TRUE(o.dlg.GetMessages().empty());
        EXPECT_TRUE(o.param.IsCalculated());
    });
}

TEST(FlexCheckPage, CalculationWritesOutputsAndSavesForTheNextRun) {
    RunFlex([](Open& o) {
        o.Set("构件编号", "L-7");
        o.Set("支撑类型", "两端简支");
        o.Set("直接承受重复荷载的构件(ψ=1.0)", "1");
        EXPECT_DOUBLE_EQ(o.param.m_FlexCheck.m_dPsiK, 1.0);
        ASSERT_EQ(o.dlg.RunCalculation(), 1);
        o.dlg.WriteOutputs();
        o.dlg.SaveParams();
        EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().number, "L-7");
        EXPECT_FALSE(o.param.m_CalcBookWord.IsEmpty());
    });
    // the same store: the next run opens with the saved values
    ASSERT_TRUE(VexaRunCommandWith("SHYNDJS", [](CVexaTabDlg& dlg) {
        Open o(dlg);
        EXPECT_EQ(o.page.GetEditText(D::IDC_EDIT_CODE), "L-7");
        EXPECT_EQ(o.page.GetComboBoxText(D::IDC_COMBO_ZCTYPE), "两端简支");
        EXPECT_EQ(o.page.GetCheckData(D::IDC_CHECK_YTOBEONE), 1);
    }));
}
