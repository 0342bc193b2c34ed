// The command line runs a calculation whatever the order of its settings: the cases new users
// met (a choice listed after the field it enables, a persisted flag without a control of its
// own, a count that is not a whole number), run through the program.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "VexaProgramTest.h"

namespace {

class CliDriverTest : public VexaProgramTest {
protected:
    nlohmann::json Json(const VexaProgramResult& r) const {
        nlohmann::json j = nlohmann::json::parse(r.out, nullptr, false);
        EXPECT_TRUE(j.is_object()) << r.out << r.err;
        return j;
    }
};

TEST_F(CliDriverTest, AChoiceListedAfterTheFieldItEnablesIsApplied) {
    const VexaProgramResult r = Run("run LFKZHJS --json --set m_dN=368.8 --set m_nSufferForce=3");
    EXPECT_EQ(r.status, 0) << r.err;
    const nlohmann::json j = Json(r);
    EXPECT_EQ(j["params"]["m_nSufferForce"], 3);
    EXPECT_EQ(j["params"]["m_dN"], 368.8);
    EXPECT_EQ(j["calculated"], true);
    // The same run with the settings the other way round gives the same everything.
    const VexaProgramResult other = Run("run LFKZHJS --json --set m_nSufferForce=3 --set m_dN=368.8");
    EXPECT_EQ(other.out, r.out);
}

TEST_F(CliDriverTest, AFieldNoChoiceEnablesIsRefusedNamingTheChoice) {
    const VexaProgramResult r = Run("run LFKZHJS --set m_nSufferForce=0 --set '轴力准永久值Nk(kN)=368.8'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "vexa: “轴力准永久值Nk(kN)”在当前选择下不可输入：“构件受力类型”选为“偏心受压”、“偏心受拉”或“轴心受拉”时才可输入。\n");
    EXPECT_FALSE(std::filesystem::exists(m_store) && Run("params LFKZHJS").out.find("m_dN=368.8") != std::string::npos);
}

TEST_F(CliDriverTest, EveryKeyThatParamsPrintsIsAcceptedBySet) {
    const VexaProgramResult params = Run("params ZHSHQDJS");
    ASSERT_NE(params.out.find("m_bAutoWorkCondition=1\n"), std::string::npos) << params.out;
    VexaProgramResult r = Run("run ZHSHQDJS --json --set m_bAutoWorkCondition=0 --set /m_bAutodrz=0");
    EXPECT_EQ(r.status, 0) << r.err;
    nlohmann::json j = Json(r);
    EXPECT_EQ(j["params"]["m_bAutoWorkCondition"], 0);
    EXPECT_EQ(j["params"]["m_dWorkCondition"], 0.6);
    EXPECT_EQ(j["params"]["m_bAutodrz"], 0);
    // Saved: the next run opens with ψc given, and "自动" comes back with the flag.
    r = Run("run ZHSHQDJS --json --set m_dWorkCondition=0.7");
    j = Json(r);
    EXPECT_EQ(j["params"]["m_dWorkCondition"], 0.7);
    EXPECT_EQ(j["params"]["m_bAutoWorkCondition"], 0);
    r = Run("run ZHSHQDJS --json --set m_bAutoWorkCondition=1");
    EXPECT_EQ(Json(r)["params"]["m_bAutoWorkCondition"], 1);
}

TEST_F(CliDriverTest, ACountThatIsNotAWholeNumberIsRefusedNotCut) {
    const VexaProgramResult r = Run("run LFKZHJS --set m_nFirstNum=3.5");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexa: “第一种纵筋根数”应为整数，而不是“3.5”。\n");
    EXPECT_FALSE(std::filesystem::exists(m_store) && Run("params LFKZHJS").out.find("m_nFirstNum=3\n") != std::string::npos);
    EXPECT_EQ(Run("run LFKZHJS --set m_nFirstNum=3 --json").status, 0);
    EXPECT_NE(Run("params LFKZHJS").out.find("m_nFirstNum=3\n"), std::string::npos);
}

TEST_F(CliDriverTest, AValueOutOfRangeOnlyBeforeALaterSettingIsNoRefusal) {
    // The final values are checked: a book is written and the run is saved.
    const VexaProgramResult r = Run("run LFKZHJS --set m_dB=300 --set m_dH=600 --book '" + Path("b.txt") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(Path("b.txt")));
    // A value out of range at the end is refused by the calculation's checks.
    const VexaProgramResult bad = Run("run LFKZHJS --set m_dB=-1");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("截面宽度b应在1～10000之间，请重新输入！"), std::string::npos) << bad.err;
}

TEST_F(CliDriverTest, AValueThePagePutsBackIsRefusedNotLost) {
    // The deflection page puts its previous value back when the one typed is out of range: the
    // value given was not used, so the run is refused (it was once calculated with b = 1000).
    VexaProgramResult r = Run("run SHYNDJS --set m_dB=-1");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "输入超出范围：截面宽度b应在1～10000之间，请重新输入！\n"
                     "vexa: 输入未通过检查，未计算，参数未保存。\n");
    EXPECT_FALSE(std::filesystem::exists(m_store) && Run("params SHYNDJS").out.find("/m_dB=-1") != std::string::npos);
    // The last setting of a field counts, either way round.
    r = Run("run SHYNDJS --json --set m_dB=-1 --set m_dB=300");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["params"]["/m_dB"], 300.0);
    EXPECT_EQ(Run("run SHYNDJS --set m_dB=300 --set m_dB=20000").status, 1);
}

TEST_F(CliDriverTest, AValueThePageCorrectsSilentlyIsTakenAndTold) {
    const VexaProgramResult r = Run("run GHZ --set m_nB=150 --set m_nC=-4");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "提示：“柱截面宽b(mm)”取“200”，而不是所给的“150”。\n"
                     "提示：“截面保护层厚度C(mm)”取“15”，而不是所给的“-4”。\n");
}

TEST_F(CliDriverTest, AChoiceSetToWhatItShowsChangesNothingElse) {
    // Choosing the pile type again would refill the grade list with its first grade.
    ASSERT_EQ(Run("run ZHSHQDJS --set m_strConcreteLevel=C35").status, 0);
    VexaProgramResult r = Run("run ZHSHQDJS --json --set m_nPegStyle=0 --set m_nPegKind=0");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["params"]["m_strConcreteLevel"], "C35");
    // Another pile type does refill it (precast piles from C30).
    r = Run("run ZHSHQDJS --json --set m_nPegStyle=1");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["params"]["m_strConcreteLevel"], "C30");
}

TEST_F(CliDriverTest, ARadioGroupTakesTheValueParamsPrints) {
    // The lintel's strength modes are stored as 1, 2, 3 (not the buttons' places 0, 1, 2).
    ASSERT_NE(Run("params GLJS").out.find("/m_nSelectCalFc=1\n"), std::string::npos);
    VexaProgramResult r = Run("run GLJS --json --set /m_nSelectCalFc=1");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["params"]["/m_nSelectCalFc"], 1);
    r = Run("run GLJS --json --set /m_nSelectCalFc=2");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["params"]["/m_nSelectCalFc"], 2);
    EXPECT_EQ(Run("run GLJS --set /m_nSelectCalFc=3").err, "vexa: “输入f”在当前选择下不可输入。\n");
    EXPECT_EQ(Run("run GLJS --set /m_nSelectCalFc=0").err,
              "vexa: “由调整系数求f  γa”没有“0”这一项；可选：由调整系数求f  γa（1）、直接输入f（2）、输入f（3）。\n");
    // By caption as before.
    r = Run("run GLJS --json --set '/m_nSelectCalFc=由调整系数求f  γa'");
    EXPECT_EQ(Json(r)["params"]["/m_nSelectCalFc"], 1);
}

}  // namespace
