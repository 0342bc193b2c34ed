// Additional transverse reinforcement under a secondary beam (command LZFJGJJS, GB 50010-2010 9.2.11): inputs, calculation, books and summary.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"
#include "CWordObject.h"

class CBeamLandscapeReinCal : public CVexaParam {
public:
    // Reinforcement styles (m_nReinStyle) and calculation directions (m_nCalStyle).
    enum { kPreferStirrups = 0, kStirrupsOnly = 1, kHangersOnly = 2 };
    enum { kDesign = 0, kCheck = 1 };
    static const char* const kStyleNames[3];      // "优先选择箍筋", "仅选择箍筋", "仅选择吊筋"
    static const char* const kCalStyleNames[2];   // "已知集中荷载求附加横向钢筋", "已知附加横向钢筋求集中荷载"
    // The angle the page stores for "自动": 30°.
    static constexpr double kAutoAngle = 0.5235987755982988;
    // Bitmaps of the book by style: 287 prefer stirrups, 289 stirrups only, 288 hangers only.
    static int PictureOf(int reinStyle);

    CBeamLandscapeReinCal();

    int ReadParam(const std::string& section) override;
    int WriteParam(const std::string& section) override;
    int DoCalculate() override;
    int WriteResult() override;
    int WriteCalcBook() override;
    void SetCmdInfo() override;
    void InitDefaultParam() override;
    int ShowHelp() override;

    std::vector<VexaField> GetFields() override;
    std::vector<VexaField> GetResultFields() override;

    // --- the calculation steps (no page access) ---
    // h1, s and Nmax of the stirrup range.
    void CalcMaxStirrupCount();
    // Check mode: the load the given reinforcement carries (m_dFocusLoad, kN).
    void CalcBearingLoad();
    // Design mode: the reinforcement for the given load.
    void DesignTransverseRein();
    // Stirrups for a total area Asv (mm²) with at most `maxCount` per side: sets m_dDia and
    // m_nLoopCount; false when the lists hold no fitting diameter.
    bool SelectStirrups(double Asv, int maxCount);
    // Hangers for a total area (mm², two legs per bar) from 2 bars up: sets m_dHangDia and
    // m_nHangCount; false when the hanger list offers nothing.
    bool SelectHangers(double area);
    // The first entry of `list` equal to d or 1 mm larger; d becomes that entry.
    static bool MatchDiameter(const std::vector<int>& list, int& d);
    // ⌊√x⌋ + 1: a required diameter (an exact whole root is raised by one too).
    static int RequiredDiameter(double squared);

    // Input the calculation cannot take: γ0 not above 0, a grade without a design strength for
    // bars the style uses. The message of the first such input, empty when none.
    std::string CheckInput() const;
    // Forgets the outcome of the last calculation.
    void ClearResults();

    bool UsesStirrups() const { return m_nReinStyle != kHangersOnly; }
    bool UsesHangers() const { return m_nReinStyle != kStirrupsOnly; }
    bool IsCheck() const { return m_nCalStyle == kCheck; }
    double StirrupFy() const;
    double HangerFy() const;

    // --- persisted fields (m_strNumber and m_strResult live in the base) ---
    int m_nReinStyle = 0;
    int m_nCalStyle = 0;
    double m_dFocusLoad = 100;   // F, kN (result in check mode)
    double m_dDia = 12;          // stirrup diameter d, mm (result in design mode)
    double m_da = 0.7853981633974483;  // hanger angle α to the beam axis, rad
    double m_db = 200;           // secondary beam width b, mm
    double m_dh = 350;           // secondary beam height h, mm
    double m_dH = 400;           // main beam height H, mm
    double m_dn = 2;             // stirrup legs n
    double m_dDis = 100;         // stirrup spacing ss, mm
    std::string m_strLoopGrade;
    std::string m_strHangGrade;
    double m_dAs = 40;           // as, mm
    double m_dImport = 1.0;      // γ0
    int m_bAuto = 0;             // the angle was chosen as "自动"
    int m_nLoopCount = 2;        // stirrups per side N (result in design mode)
    std::vector<int> m_aryLoopDiaSel;  // stirrup selection range, mm, ascending
    std::vector<int> m_aryLoopBest;    // optimal stirrup diameters, mm, ascending
    int m_nHangCount = 2;        // hanger bars (result in design mode)
    double m_dHangDia = 8;       // hanger diameter, mm (result in design mode)
    std::vector<int> m_aryHangBest;    // optimal hanger diameters, mm, ascending
    // Hanger selection range of the pages; neither persisted nor calculated with.
    std::vector<int> m_aryHangDiaSel;

    // --- check flags (set by DoCalculate, read by the page) ---
    int m_bAngleOk = 1;
    int m_bHeightOk = 1;
    int m_bAsOk = 1;
    int m_bReinOk = 1;

    // --- working results (not persisted) ---
    double m_dh1 = 0;        // h1 = H - h - as, mm
    double m_ds = 0;         // s = 2·h1 + 3·b, mm
    double m_dNmaxValue = 0; // [(s - b)/2 - 50]/ss + 1 before rounding down
    int m_nMaxCount = 0;     // Nmax, stirrups per side
    double m_dAsv = 0;       // stirrup area required (design, stirrup styles), mm²
    double m_dHangArea = 0;  // hanger area required (design, hanger styles), mm²
    double m_dFs = 0;        // capacity of the stirrups, N
    double m_dFh = 0;        // capacity of the hangers, N
    int m_bStirrupSelected = 0;  // design: the stirrup lists gave a fitting diameter
    std::string m_strInputError;  // why the last DoCalculate refused, empty when it calculated
    CVexaBitmap m_bmpPicture;     // picture of the book

private:
    // Stirrup and hanger lines in the forms the texts use: `prefix` before each line, the
    // stirrup line ending in `stirrupEnd`.
    std::string StirrupLine(const std::string& prefix, const std::string& end) const;
    std::string HangerLine(const std::string& prefix) const;
    // The reinforcement lines of the style (stirrup line, hanger line).
    std::string ReinLines(const std::string& prefix, const std::string& stirrupEnd) const;
    // Book steps.
    void WriteRangeSteps(CWordObject& w) const;
    void WriteCheckSteps(CWordObject& w) const;
    void WriteDesignSteps(CWordObject& w) const;
    // fyh·sin α, the hanger strength along the load.
    double HangerStrength() const;
};
