# Independent reference of the cantilever beam goldens (tilt_*.txt): every number from the formulas, the texts as
# the plain-text renderer prints them. `python3 tilt_reference.py check` re-derives the golden files and compares;
# `python3 tilt_reference.py book|result|json KEY=VALUE ...` prints one case (keys as in DEFAULTS).
import math, re, sys, json

# GB 50010-2010 tables 4.1.4-1/-2, 6.2.6, 6.3.1; 4.2.3-1, 4.2.5
CONC = {
    'C15': dict(fc=7.2, ft=0.91), 'C20': dict(fc=9.6, ft=1.10), 'C25': dict(fc=11.9, ft=1.27),
    'C30': dict(fc=14.3, ft=1.43), 'C35': dict(fc=16.7, ft=1.57), 'C40': dict(fc=19.1, ft=1.71),
}
BAR = {'HPB300': (270.0, 2.1e5, 'Φ'), 'HRB335': (300.0, 2.0e5, 'Φ\u0332'), 'HRB400': (360.0, 2.0e5, 'Φ\u0332\u0305'),
       'HRB500': (435.0, 2.0e5, 'Φ\u0333\u0305')}
# GB 50003-2001 table 3.2.1-1 (fired bricks), rows MU30..MU10, columns M15 M10 M7.5 M5 M2.5 0
T1 = {'MU30': [3.94, 3.27, 2.93, 2.59, 2.26, 1.15], 'MU25': [3.60, 2.98, 2.68, 2.37, 2.06, 1.05],
      'MU20': [3.22, 2.67, 2.39, 2.12, 1.84, 0.94], 'MU15': [2.79, 2.31, 2.07, 1.83, 1.60, 0.82],
      'MU10': [None, 1.89, 1.69, 1.50, 1.30, 0.67]}
T1COLS = ['M15', 'M10', 'M7.5', 'M5', 'M2.5', '0']
MAIN_DIAS = [12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40]
STIR_DIAS = [6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40]
EPS = 1e-6


def masonry_f(unit, grade, mortar):
    assert unit in ('烧结普通砖', '烧结多孔砖')
    v = T1[grade][T1COLS.index(mortar)]
    return -1 if v is None else v


def short(v):
    """at most three decimals, trailing zeros trimmed"""
    s = '%.3f' % v
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def metres(mm):
    s = '%.4f' % (mm / 1000.0)
    s = s.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def coef(v):
    s = short(v)
    return s + '.0' if '.' not in s else s


DEFAULTS = dict(code='TL_1', tilt=1, normal=1, oblique=1, local=1, b=340, h1=350, h2=350, h3=180, pos='楼层',
                L=1500, L1=1800, Lw=2800, colu=1, hole=1, bm=800, hm=2100, D=500, bw=240, wall='丁字墙', Fk=4.5,
                qk1=8.3, gk1=10.0, gk2=10.0, as_=25, rL=25.0, rW=17.0, rG=1.2, rQ=1.4, r0=1.0, con='C20',
                bar='HRB335', stir='HPB300', s=200, n=2, unit='烧结普通砖', grade='MU20', mortar='M7.5', ya=1.0,
                f=1.5, mode=1)


# ---- bar selection --------------------------------------------------------------------------
def per_layer(b, as_, d, c):
    m = int((b - 2 * as_) / (d + max(d, c))) + 1
    m = min(m, 6 if b >= 300 else 5)
    if d <= 16:
        m = min(m, 4)
    return m


def one_size(b, as_, A, c, k=1.0):
    out = []
    for i, d in enumerate(MAIN_DIAS):
        a1 = math.pi * d * d / 4
        m = per_layer(b, as_, d, c)
        if m * a1 < A:
            continue
        o = int((1 + k) * A / a1)
        r = min(m, o)
        if o < 2 and not out:
            r = min(m, 2)
        n0 = max(int(A / a1) + 1, 2)
        for n in range(n0, r + 1):
            out.append((i, 0, n, 0))
    return out


def two_sizes(b, as_, A, c, k=1.0):
    out = []
    for i in range(len(MAIN_DIAS)):
        for j in range(i + 1):
            d1, d2 = MAIN_DIAS[i], MAIN_DIAS[j]
            a1, a2 = math.pi * d1 * d1 / 4, math.pi * d2 * d2 / 4
            m1 = per_layer(b, as_, d1, max(d1, c))
            m2 = per_layer(b, as_, d2, max(d2, c))
            if m2 * a2 + m1 * a1 < A:
                continue
            for n1 in range(2, min(m1, int((1 + k) * A / a1)) + 1):
                lo = max(int((A - n1 * a1) / a2) + 1, 2)
                hi = min(int(((1 + k) * A - n1 * a1) / a2), 9, m2, n1)
                for n2 in range(lo, hi + 1):
                    out.append((i, j, n1, n2))
    return out


def area(c):
    i, j, n1, n2 = c
    return math.pi / 4 * (MAIN_DIAS[i] ** 2 * n1 + MAIN_DIAS[j] ** 2 * n2)


def select(b, as_, A1, A2):
    for two1, two2 in ((0, 0), (1, 0), (0, 1), (1, 1)):
        l1 = (two_sizes if two1 else one_size)(b, as_, A1, 25)
        l2 = (two_sizes if two2 else one_size)(b, as_, A2, 30)
        if l1 and l2:
            return pick(l1, A1), pick(l2, A2)
    return None


def pick(lst, target):
    best = lst[-1]
    ex = area(best) - target
    for c in lst:
        if area(c) - target < ex:
            best, ex = c, area(c) - target
    return best


def region(hole, D, bm, L1, Lw):
    if not hole:
        return 1 if L1 >= Lw else 2
    if D >= 370:
        return 3 if L1 >= Lw else 4
    if D > 0:
        return 5
    if D > -bm:
        return 6
    if D >= -(bm + L1):
        return 7
    return 8 if L1 < Lw else 9


def calculate(p, prev_mr2=0.0):
    r = {}
    b, h1, h2, L, L1, Lw, bw = p['b'], p['h1'], p['h2'], p['L'], p['L1'], p['Lw'], p['bw']
    # GB 50003-2001 7.4.2
    x0 = min(0.3 * h1, 0.13 * L1) if L1 >= 2.2 * h1 - EPS else 0.13 * L1
    r['x0'] = x0
    x = 0.5 * x0 if p['colu'] else x0
    r['x0u'] = x
    w = p['rL'] * (h1 + h2) * b / 2 / 1e6
    q1 = p['rG'] * p['gk1'] + p['rG'] * w + p['rQ'] * p['qk1']
    p1 = p['rG'] * p['Fk']
    q2 = 1.35 * p['gk1'] + 1.35 * w + 1.4 * 0.7 * p['qk1']
    p2 = 1.35 * p['Fk']
    e = L + x
    Mov = p['r0'] * (p1 * e / 1000 + 0.5 * q1 * e * e / 1e6)
    d = L1 - x
    c = region(p['hole'], p['D'], p['bm'], L1, Lw)
    l3 = min(L1, Lw)
    if c == 6:
        l3 = int(L1 - (p['bm'] - abs(p['D'])))
    Mr1 = 0.5 * p['gk2'] * d * d / 1e6
    Mg0 = 0.5 * p['rL'] * h1 * b * d * d / 1e12
    Mg1 = 0.5 * p['rW'] * Lw * bw * ((l3 - x) ** 2 if c == 6 else d * d) / 1e12
    Mg2 = p['rW'] * l3 * (Lw - l3) * bw * (0.5 * l3 + L1 - x) / 1e12 if c in (2, 4, 9) else 0.0
    Mg3 = 0.0 if c in (5, 6, 7) else 0.5 * p['rW'] * l3 * l3 * bw * (l3 / 3 + L1 - x) / 1e12
    Mg4 = p['rW'] * p['hm'] * p['bm'] * bw * (L1 - p['D'] - 0.5 * p['bm'] - x) / 1e12 if c in (3, 4, 5) else 0.0
    if p['pos'] == '屋顶':
        Mr2 = Mg0
    elif p['pos'] == '楼层':
        Mr2 = Mg0 + Mg1 + Mg2 + Mg3 - Mg4
    else:
        Mr2 = prev_mr2
    Mr = 0.8 * (Mr1 + Mr2)
    r.update(q1=q1, p1=p1, q2=q2, p2=p2, Mov=Mov, case=c, l3=l3, Mr1=Mr1, Mg0=Mg0, Mg1=Mg1, Mg2=Mg2, Mg3=Mg3,
             Mg4=Mg4, Mr2=Mr2, Mr=Mr, tilt_ok=Mov <= Mr + EPS)
    # bending, GB 50003-2001 7.4.5
    M2 = p['r0'] * (p2 * e / 1000 + 0.5 * q2 * e * e / 1e6)
    M = max(Mov, M2)
    r.update(M1=Mov, M2=M2, M=M)
    con = CONC[p['con']]
    fy, Es, sym = BAR[p['bar']]
    h0 = h2 - p['as_']
    alpha_s = M * 1e6 / (1.0 * con['fc'] * b * h0 * h0)   # γ0 = 1 in the section design
    xi = 1.0 if alpha_s >= 0.5 - EPS else 1 - math.sqrt(1 - 2 * alpha_s)
    As = 1.0 * con['fc'] * b * h0 * xi / fy
    xib = 0.8 / (1 + fy / (Es * 0.0033))
    r.update(h0=h0, alpha_s=alpha_s, xi=xi, As=As, xib=xib)
    # shear at the wall face
    V1 = p['r0'] * (p1 + q1 * L / 1000)
    V2 = p['r0'] * (p2 + q2 * L / 1000)
    V = max(V1, V2)
    fyv = BAR[p['stir']][0]
    s = p['s']
    Vc = 0.7 * con['ft'] * b * h0
    ratio = h0 / b
    V25 = 0.25 * 1.0 * con['fc'] * b * h0
    V20 = 0.2 * 1.0 * con['fc'] * b * h0
    if ratio <= 4 + EPS:
        Vlim = V25
    elif ratio >= 6 - EPS:
        Vlim = V20
    else:
        Vlim = V25 + (ratio - 4) * (V20 - V25) / 2
    Vn = V * 1000
    asv_calc = (Vn - Vc) * s / (fyv * h0)
    rho_min = 0.24 * con['ft'] / fyv
    sec_ok = Vn <= Vlim + EPS
    detailing = Vn <= Vc + EPS
    if not sec_ok:
        Asv = asv_calc
    else:
        Asv = rho_min * b * s if detailing else asv_calc
        if not (Asv / (b * s) >= rho_min - EPS):
            Asv = s * b * rho_min
    r.update(V1=V1, V2=V2, V=V, Vc=Vc, Vlim=Vlim, V25=V25, V20=V20, ratio=ratio, asv_calc=asv_calc, Asv_s=Asv,
             sec_ok=sec_ok, detailing=detailing, rho_sv_min=rho_min)
    # local compression, GB 50003-2001 7.4.4, η = 0.7
    N1 = 2 * p['r0'] * (p1 + q1 * e / 1000)
    N2 = 2 * p['r0'] * (p2 + q2 * e / 1000)
    N = max(N1, N2)
    Al = 1.2 * b * h1
    gamma = {'一字墙': 1.25, '丁字墙': 1.5}[p['wall']]
    if p['mode'] == 1:
        ftab = masonry_f(p['unit'], p['grade'], p['mortar'])
        f = ftab * p['ya']
    else:
        ftab = 0.0
        f = p['f']
    Nu = 0.7 * gamma * f * Al / 1000
    r.update(N1=N1, N2=N2, N=N, Al=Al, gamma=gamma, f=f, ftab=ftab, Nu=Nu, local_ok=N <= Nu + EPS)
    # bars
    rho = max(0.2, 45 * con['ft'] / fy)
    Amin = rho / 100 * b * h2
    sel = select(b, p['as_'], As, Amin)
    r.update(rho_min=rho, Amin=Amin)
    if sel is None:
        r['bar_ok'] = False
        return r
    top, bot = sel
    r['bar_ok'] = True
    r['top'] = (top[2], MAIN_DIAS[top[0]], top[3], MAIN_DIAS[top[1]] if top[3] else 0, area(top))
    r['bot'] = (bot[2], MAIN_DIAS[bot[0]], bot[3], MAIN_DIAS[bot[1]] if bot[3] else 0, area(bot))
    dmin = math.ceil(math.sqrt(4 * Asv / (p['n'] * math.pi)))
    dia = next((dd for dd in STIR_DIAS if dd >= dmin), 0)
    r['stir_dia'] = dia
    r['asv_per_m'] = Asv * 1000 / s
    r['asv_prov'] = p['n'] * math.pi * dia * dia / 4 * 1000 / s
    return r


# ---- texts ----------------------------------------------------------------------------------
def plain(t):
    t = re.sub(r'\$([^$]*)\$', r'^\1', t)
    return t.replace('~', '')


def book(p, r):
    out = []
    L = lambda t: out.append(t)
    con = CONC[p['con']]
    fy, Es, sym = BAR[p['bar']]
    fyv, _, ssym = BAR[p['stir']]
    L('钢筋混凝土挑梁计算书')
    L('项目名称_____________日    期_____________')
    L('设 计 者_____________校 对 者_____________')
    L('一、构件编号: ' + p['code'])
    L('二、示意图: ')
    pic = '屋顶挑梁' if p['pos'] == '屋顶' else ('楼层挑梁（挑梁上有门洞）' if p['hole'] else '楼层挑梁（挑梁上无门洞）')
    L('[图: %s]' % pic)
    L('三、设计依据:')
    L('   《混凝土结构设计规范》 (GB 50010-2010)')
    L('   《砌体结构设计规范》 (GB 50003-2001)')
    L('四、计算信息')
    L('\t1. 几何参数')
    L('\t\t梁宽度b = %d mm' % p['b'])
    L('\t\t梁尾端高度h1 = %d mm' % p['h1'])
    L('\t\t墙边缘处高度h2 = %d mm' % p['h2'])
    L('\t\t梁顶端高度h3 = %d mm' % p['h3'])
    L('\t\t挑梁类型: %s挑梁' % p['pos'])
    L('\t\t外挑长度L = %d mm' % p['L'])
    L('\t\t埋入墙体长度L1 = %d mm' % p['L1'])
    if p['pos'] == '楼层':
        L('\t\t挑梁上墙体高度LW = %d mm' % p['Lw'])
    if p['hole']:
        L('\t\t门洞宽度bM = %d mm' % p['bm'])
        L('\t\t门洞高度hM = %d mm' % p['hm'])
        L('\t\t门洞至挑梁尾端距离D = %d mm' % p['D'])
    L('\t\t墙厚bW = %d mm' % p['bw'])
    L('\t\t受拉钢筋合力点到受拉边距离aS = %d mm' % p['as_'])
    L('\t\t支撑处墙体类型: ' + ('有构造柱' if p['colu'] else '没有构造柱'))
    L('\t2. 参数信息')
    L('\t\t混凝土强度等级: %s ft = %.2f N/mm^2 fc = %.2f N/mm^2' % (p['con'], con['ft'], con['fc']))
    L('\t\t纵筋种类: %s fy = %.2f N/mm^2' % (p['bar'], fy))
    L('\t\t箍筋种类: %s fyv = %.2f N/mm^2' % (p['stir'], fyv))
    L('\t\t箍筋间距: s = %d mm' % p['s'])
    L('\t\t箍筋肢数: n = %d' % p['n'])
    L('\t\t砌体类型: %s' % p['unit'])
    L('\t\t砌体强度等级: %s' % p['grade'])
    L('\t\t砂浆强度等级: %s' % p['mortar'])
    if p['mode'] == 1:
        L('\t\t砌体的抗压强度设计值fC = %.2f N/mm^2' % r['ftab'])
        L('\t\t砌体材料抗压强度设计值调整系数γa = %.2f' % p['ya'])
    else:
        L('\t\t砌体的抗压强度设计值f = %.2f MPa' % p['f'])
    L('\t3. 荷载信息')
    L('\t\t梁端集中恒载Fk = %.3f kN' % p['Fk'])
    L('\t\t外挑部分活载qk1 = %.3f kN/m' % p['qk1'])
    L('\t\t外挑部分恒载gk1 = %.3f kN/m' % p['gk1'])
    L('\t\t埋入部分恒载gk2 = %.3f kN/m' % p['gk2'])
    L('\t\t挑梁容重γL = %.2f kN/m^3' % p['rL'])
    L('\t\t墙体容重γW = %.2f kN/m^3' % p['rW'])
    L('\t\t恒载分项系数γG = %.2f' % p['rG'])
    L('\t\t活载分项系数γQ = %.2f' % p['rQ'])
    L('\t4. 计算信息')
    L('\t\t结构重要性系数γO = %.1f' % p['r0'])
    nums = '五六七八九'
    k = 0
    Lm, L1m, X0 = metres(p['L']), metres(p['L1']), metres(r['x0u'])
    h1m, h2m, bm_ = metres(p['h1']), metres(p['h2']), metres(p['b'])
    tilt_line = ('\t\tMOV = %.3fkN·m ＜ Mr = %.3fkN·m,满足抗倾覆要求。' if r['tilt_ok']
                 else '\t\tMOV = %.3fkN·m ≥ Mr = %.3fkN·m,不满足抗倾覆要求。') % (r['Mov'], r['Mr'])
    if p['tilt']:
        L(nums[k] + '、抗倾覆验算'); k += 1
        L('\t1. 计算倾覆点至墙外边缘距离')
        if p['L1'] >= 2.2 * p['h1'] - EPS:
            L('\t\t由于L1＞2.2h1,x0 = min(0.3h1,0.13L1) = %.3fmm' % r['x0'])
        else:
            L('\t\t由于L1≤2.2h1,x0 = 0.13L1 = %.3fmm' % r['x0'])
        if p['colu']:
            L('\t\t由于有构造柱,x0 = 0.5*x0 = %.3fmm' % r['x0u'])
        L('\t2. 荷载计算')
        L('\t\tq = γG*gk1+γG*γL*(h1+h2)*b/2+γQ*qk1')
        L('\t\t  = %.2f*%.3f+%.2f*%.2f*(%s+%s)*%s/2+%.2f*%.3f' % (p['rG'], p['gk1'], p['rG'], p['rL'], h1m, h2m, bm_,
                                                              p['rQ'], p['qk1']))
        L('\t\t  = %.3f kN/m' % r['q1'])
        L('\t\tp = γG*Fk = %.3f*%.3f = %.3f kN' % (p['rG'], p['Fk'], r['p1']))
        L('\t3. 挑梁的荷载设计值对计算倾覆点产生的倾覆力矩计算')
        L('\t\tMOV = γO*(p*(L+x0)+0.5*q*(L+x0)^2)')
        L('\t\t   = %.2f*(%.3f*(%s+%s)+0.5*%.3f*(%s+%s)^2)' % (p['r0'], r['p1'], Lm, X0, r['q1'], Lm, X0))
        L('\t\t   = %.3f kN/m' % r['Mov'])
        L('\t4. 挑梁的抗倾覆力矩设计值Mr计算')
        c = r['case']
        if p['pos'] == '楼层':
            cond = ['', '由于无门洞且L1≥LW', '由于无门洞且L1＜LW', '由于D≥370mm且L1≥LW', '由于D≥370mm且L1＜LW',
                    '由于0＜D＜370mm', '由于-bM＜D≤0', '由于-(bM+L1)≤D≤-bM', '由于D＜-(bM+L1)且L1＜LW',
                    '由于D＜-(bM+L1)且L1≥LW'][c]
            if c == 6:
                L('\t\t%s,l3 = L1-(bM-|D|) = %d mm' % (cond, r['l3']))
            else:
                L('\t\t%s,l3 = min(L1,LW) = %d mm' % (cond, r['l3']))
        L('\t\tMr1 = 0.5*gk2*(L1-x0)^2 = 0.5*%.3f*(%s-%s)^2 = %.3f kN·m' % (p['gk2'], L1m, X0, r['Mr1']))
        L('\t\tMg0 = 0.5*γL*h1*b*(L1-x0)^2 = 0.5*%.2f*%s*%s*(%s-%s)^2 = %.3f kN·m' % (p['rL'], h1m, bm_, L1m, X0,
                                                                                    r['Mg0']))
        if p['pos'] == '楼层':
            Lwm, bwm, l3m = metres(p['Lw']), metres(p['bw']), metres(r['l3'])
            if c == 6:
                L('\t\tMg1 = 0.5*γW*LW*bW*(l3-x0)^2 = 0.5*%.2f*%s*%s*(%s-%s)^2 = %.3f kN·m' % (p['rW'], Lwm, bwm, l3m,
                                                                                          X0, r['Mg1']))
            else:
                L('\t\tMg1 = 0.5*γW*LW*bW*(L1-x0)^2 = 0.5*%.2f*%s*%s*(%s-%s)^2 = %.3f kN·m' % (p['rW'], Lwm, bwm, L1m,
                                                                                          X0, r['Mg1']))
            if c in (2, 4, 9):
                L('\t\tMg2 = γW*l3*(LW-l3)*bW*(0.5*l3+L1-x0) = %.2f*%s*(%s-%s)*%s*(0.5*%s+%s-%s) = %.3f kN·m'
                  % (p['rW'], l3m, Lwm, l3m, bwm, l3m, L1m, X0, r['Mg2']))
            else:
                L('\t\tMg2 = 0')
            if c in (5, 6, 7):
                L('\t\tMg3 = 0')
            else:
                L('\t\tMg3 = 0.5*γW*l3^2*bW*(l3/3+L1-x0) = 0.5*%.2f*%s^2*%s*(%s/3+%s-%s) = %.3f kN·m'
                  % (p['rW'], l3m, bwm, l3m, L1m, X0, r['Mg3']))
            if c in (3, 4, 5):
                L('\t\tMg4 = γW*hM*bM*bW*(L1-D-0.5*bM-x0) = %.2f*%s*%s*%s*(%s-%s-0.5*%s-%s) = %.3f kN·m'
                  % (p['rW'], metres(p['hm']), metres(p['bm']), bwm, L1m, metres(p['D']), metres(p['bm']), X0,
                     r['Mg4']))
            else:
                L('\t\tMg4 = 0')
            L('\t\tMr2 = Mg0+Mg1+Mg2+Mg3-Mg4')
            L('\t\t   = %.3f+%.3f+%.3f+%.3f-%.3f = %.3f kN·m' % (r['Mg0'], r['Mg1'], r['Mg2'], r['Mg3'], r['Mg4'],
                                                               r['Mr2']))
        elif p['pos'] == '屋顶':
            L('\t\tMr2 = Mg0 = %.3f kN·m' % r['Mr2'])
        else:
            L('\t\tMr2 = %.3f kN·m' % r['Mr2'])
        L('\t\tMr = 0.8*Gr*(l2-x0) = 0.8*(Mr1+Mr2) = 0.8*(%.3f+%.3f) = %.3f kN·m' % (r['Mr1'], r['Mr2'], r['Mr']))
        L('\t5. 抗倾覆验算')
        L(tilt_line)
    n1, d1, n2, d2, top_area = r['top']
    if p['normal']:
        L(nums[k] + '、正截面受弯承载力计算'); k += 1
        L('\t1. 挑梁最大弯矩设计值计算')
        L('\t\t弯矩荷载组合1计算:')
        L('\t\tq1 = γG*gk1+γG*γL*(h1+h2)*b/2+γQ*qk1')
        L('\t\t   = %.2f*%.3f+%.2f*%.2f*(%s+%s)*%s/2+%.2f*%.3f = %.3f kN/m' % (p['rG'], p['gk1'], p['rG'], p['rL'], h1m,
                                                                        h2m, bm_, p['rQ'], p['qk1'], r['q1']))
        L('\t\tp1 = γG*Fk = %.2f*%.3f = %.3f kN' % (p['rG'], p['Fk'], r['p1']))
        L('\t\tMOV1 = γO*(p1*(L+x0)+0.5*q1*(L+x0)^2)')
        L('\t\t   = %.2f*(%.3f*(%s+%s)+0.5*%.3f*(%s+%s)^2) = %.3f kN·m' % (p['r0'], r['p1'], Lm, X0, r['q1'], Lm, X0,
                                                                         r['M1']))
        L('\t\t弯矩荷载组合2计算:')
        L('\t\tq2 = γG*gk1+γG*γL*(h1+h2)*b/2+γQ*ψC*qk1')
        L('\t\t   = 1.35*%.3f+1.35*%.2f*(%s+%s)*%s/2+1.4*0.7*%.3f = %.3f kN/m' % (p['gk1'], p['rL'], h1m, h2m, bm_,
                                                                          p['qk1'], r['q2']))
        L('\t\tp2 = γG*Fk = 1.35*%.3f = %.3f kN' % (p['Fk'], r['p2']))
        L('\t\tMOV2 = γO*(p2*(L+x0)+0.5*q2*(L+x0)^2)')
        L('\t\t   = %.2f*(%.3f*(%s+%s)+0.5*%.3f*(%s+%s)^2) = %.3f kN·m' % (p['r0'], r['p2'], Lm, X0, r['q2'], Lm, X0,
                                                                         r['M2']))
        L('\t\t挑梁最大弯矩设计值: M = max(MOV1,MOV2) = %.3f kN·m' % r['M'])
        # the flexure steps
        b, h = p['b'], p['h2']
        L('\t2.计算截面有效高度')
        L('\t\tho=h-as=%s-%s=%smm' % (short(h), short(p['as_']), short(r['h0'])))
        L('\t3.计算相对界限受压区高度')
        L('\t\tξb=β1/(1+fy/(Es*εcu))=0.8/(1+%s/(%s*0.0033))=%s' % (short(fy), short(Es), short(r['xib'])))
        L('\t4.确定计算系数')
        L('\t\tγo*M≤α1*fc*b*x*(ho-x/2)\t\t混规(6.2.10-1)')
        L('\t\tαs=γo*M/(α1*fc*b*ho^2)=1*%s×10^6/(1.0*%s*%s*%s^2)=%s' % (short(r['M']), short(con['fc']), short(b),
                                                                          short(r['h0']), short(r['alpha_s'])))
        L('\t5.计算相对受压区高度')
        L('\t\tξ=1-sqrt(1-2αs)=1-sqrt(1-2*%s)=%s' % (short(r['alpha_s']), short(r['xi'])))
        if r['xi'] <= r['xib'] + EPS:
            L('\t\tξ=%s≤ξb=%s,满足要求。' % (short(r['xi']), short(r['xib'])))
        else:
            L('\t\tξ=%s＞ξb=%s,不满足要求。' % (short(r['xi']), short(r['xib'])))
            L('\t\t超筋，不满足最大配筋率要求')
        L('\t6.计算纵向受拉筋面积')
        L('\t\tα1*fc*b*x=fy*As\t\t混规(6.2.10-2)')
        L('\t\tAs=α1*fc*b*ho*ξ/fy=1.0*%s*%s*%s*%s/%s=%smm^2' % (short(con['fc']), short(b), short(r['h0']),
                                                                short(r['xi']), short(fy), short(r['As'])))
        bars = '%d%s%d' % (n1, sym, d1) + ('+%d%s%d' % (n2, sym, d2) if n2 else '')
        L('\t\t实配钢筋:%s,As = %s mm^2' % (bars, short(top_area)))
        L('\t7.验算最小配筋率')
        rho = top_area / (b * h)
        L('\t\tρ=As/(b*h)=%s/(%s*%s)=%s％' % (short(top_area), short(b), short(h), short(rho * 100)))
        L('\t\tρmin=max(0.200,45*ft/fy)=max(0.200,45*%s/%s)=%s％\t\t混规(8.5.1)' % (short(con['ft']), short(fy),
                                                                               short(r['rho_min'])))
        L('\t\t' + ('满足最小配筋率要求' if rho * 100 >= r['rho_min'] - 1e-4 else '不满足最小配筋率要求'))
    if p['oblique']:
        L(nums[k] + '、斜截面受剪承载力计算'); k += 1
        L('\t1. 挑梁荷载在挑梁墙外边缘处截面产生的最大剪力计算')
        L('\t\t剪力荷载组合1计算:')
        L('\t\tq1 = %.3f kN/m, p1 = %.3f kN' % (r['q1'], r['p1']))
        L('\t\tVO1 = γO*(p1+q1L)')
        L('\t\t   = %.2f*(%.3f+%.3f*%s) = %.3f kN' % (p['r0'], r['p1'], r['q1'], Lm, r['V1']))
        L('\t\t剪力荷载组合2计算:')
        L('\t\tq2 = %.3f kN/m, p2 = %.3f kN' % (r['q2'], r['p2']))
        L('\t\tVO2 = γO*(p2+q2L)')
        L('\t\t   = %.2f*(%.3f+%.3f*%s) = %.3f kN' % (p['r0'], r['p2'], r['q2'], Lm, r['V2']))
        L('\t\t选用最大剪力设计值: V = max(VO1,VO2) = %.3f kN·m' % r['V'])
        b, s = p['b'], p['s']
        L('\t2.计算截面有效高度和腹板高度')
        L('\t\tho=h-as=%s-%s=%smm' % (short(p['h2']), short(p['as_']), short(r['h0'])))
        L('\t\thw=ho=%smm' % short(r['h0']))
        L('\t3.确定受剪面是否符合条件')
        sizes = '1.0*%s*%s*%s/1' % (short(con['fc']), short(b), short(r['h0']))
        sign = '≥' if r['sec_ok'] else '<'
        if r['ratio'] <= 4 + EPS:
            L('\t\thw/b=%s/%s=%s≤4,V≤0.25*βc*fc*b*ho/γo\t\t混规(6.3.1-1)' % (short(r['h0']), short(b), short(r['ratio'])))
            L('\t\t0.25*βc*fc*b*ho/γo=0.25*%s=%skN%sV=%skN' % (sizes, short(r['V25'] / 1000), sign, short(r['V'])))
        else:
            raise SystemExit('slender web not covered')
        L('\t\t截面符合条件。' if r['sec_ok'] else '\t\t截面不符合条件。')
        L('\t4.确定是否需要按构造箍筋')
        L('\t\t0.7*ft*b*ho/γo=0.7*%s*%s*%s/1=%skN%sV=%skN' % (short(con['ft']), short(b), short(r['h0']),
                                                            short(r['Vc'] / 1000), '≥' if r['detailing'] else '<',
                                                            short(r['V'])))
        L('\t\t不进行斜截面的承载力计算，仅需按构造要求配置箍筋。' if r['detailing'] else '\t\t需进行计算配置箍筋。')
        L('\t5.计算箍筋面积')
        if r['sec_ok'] and r['detailing']:
            L('\t\tAsv=0.24*ft/fyv*b*s=0.24*%s/%s*%s*%s=%smm^2' % (short(con['ft']), short(fyv), short(b), short(s),
                                                                   short(r['rho_sv_min'] * b * s)))
        else:
            L('\t\tγo*V≤0.7*ft*b*ho+fyv*(Asv/s)*ho\t\t混规(6.3.4-2)')
            L('\t\tAsv=(γo*V-0.7*ft*b*ho)*s/(fyv*ho)=(1*%s×10^3-0.7*%s*%s*%s)*%s/(%s*%s)=%smm^2'
              % (short(r['V']), short(con['ft']), short(b), short(r['h0']), short(s), short(fyv), short(r['h0']),
                 short(r['asv_calc'])))
        L('\t\t实际配置%d肢箍筋:%s%d@%d , Asv/s = %s mm^2/m' % (p['n'], ssym, r['stir_dia'], s, short(r['asv_prov'])))
        L('\t6.验算最小配箍率')
        tested = r['asv_prov'] * s / 1000
        rho = tested / (b * s)
        L('\t\tρ=Asv/(b*s)=%s/(%s*%s)=%s％' % (short(tested), short(b), short(s), short(rho * 100)))
        L('\t\tρmin=0.24*ft/fyv=0.24*%s/%s=%s％\t\t混规(9.2.9)' % (short(con['ft']), short(fyv),
                                                              short(r['rho_sv_min'] * 100)))
        L('\t\t满足最小配箍率要求。' if rho >= r['rho_sv_min'] - EPS else '\t\t不满足最小配箍率要求。')
    if p['local']:
        L(nums[k] + '、砌体局部受压承载力验算'); k += 1
        L('\t1. 挑梁下的支撑压力计算')
        L('\t\tN1 = 2*R = 2*γO*(p1+q1(L+x0))')
        L('\t\t   = 2*%.2f*(%.3f+%.3f*(%s+%s)) = %.3f kN' % (p['r0'], r['p1'], r['q1'], Lm, X0, r['N1']))
        L('\t\tN2 = 2*R = 2*γO*(p2+q2(L+x0))')
        L('\t\t   = 2*%.2f*(%.3f+%.3f*(%s+%s)) = %.3f kN' % (p['r0'], r['p2'], r['q2'], Lm, X0, r['N2']))
        L('\t\t选用挑梁下最大支撑压力: N = max(N1,N2) = %.3f kN' % r['N'])
        L('\t2. 计算挑梁下砌体局部受压面积')
        L('\t\tAl = 1.2*b*h1 = 1.2*%d*%d = %.3f mm^2' % (p['b'], p['h1'], r['Al']))
        L('\t3. 砌体局部受压承载力验算')
        L('\t\t由于支撑在一字墙,γ = 1.25。' if p['wall'] == '一字墙' else '\t\t由于支撑在丁字墙,γ = 1.50。')
        L('\t\t挑梁下砌体局部受压的压应力图形完整系数η = 0.7。')
        if r['local_ok']:
            L('\t\tη*γ*f*Al = 0.700*%.3f*%.3f*%.3f/1000 = %.3fkN ＞ N = %.3fkN' % (r['gamma'], r['f'], r['Al'], r['Nu'],
                                                                                 r['N']))
            L('\t\t局部受压承载力满足要求。')
        else:
            L('\t\tη*γ*f*Al = 0.700*%.3f*%.3f*%.3f/1000 = %.3fkN ≤ N = %.3fkN' % (r['gamma'], r['f'], r['Al'], r['Nu'],
                                                                                 r['N']))
            L('\t\t局部受压承载力不满足要求。')
    return '\n'.join(out) + '\n'


def result_text(p, r):
    out = ['钢筋混凝土挑梁计算书', '一、构件编号: ' + p['code'], '二、尺寸参数']
    L = out.append
    for k, v in (('b', 'b'), ('h1', 'h1'), ('h2', 'h2'), ('h3', 'h3'), ('L', 'L'), ('L1', 'L1')):
        L('\t\t%s = %d mm' % (k, p[v]))
    if p['pos'] == '楼层':
        L('\t\tLW = %d mm' % p['Lw'])
    if p['hole']:
        L('\t\tbM = %d mm' % p['bm']); L('\t\thM = %d mm' % p['hm']); L('\t\tD = %d mm' % p['D'])
    L('\t\tbW = %d mm' % p['bw'])
    L('三、荷载参数')
    L('\t\tFk = %.3f kN' % p['Fk']); L('\t\tqk1 = %.3f kN/m' % p['qk1'])
    L('\t\tgk1 = %.3f kN/m' % p['gk1']); L('\t\tgk2 = %.3f kN/m' % p['gk2'])
    L('四、计算结果')
    if p['tilt']:
        L(('\t\tMOV = %.3fkN·m ＜ Mr = %.3fkN·m,满足抗倾覆要求。' if r['tilt_ok']
           else '\t\tMOV = %.3fkN·m ≥ Mr = %.3fkN·m,不满足抗倾覆要求。') % (r['Mov'], r['Mr']))
    else:
        L('\t\t抗倾覆未进行验算!')
    L('\t\tAS = %s mm^2' % short(r['As']) if p['normal'] else '\t\t正截面受弯承载力未进行计算!')
    L('\t\tASv = %s mm^2' % short(r['asv_per_m'] * p['s'] / 1000) if p['oblique'] else '\t\t斜截面受剪承载力未进行计算!')
    if p['local']:
        L(('\t\tη*γ*f*Al = %.3fkN ＞ N = %.3fkN,局部受压承载力满足要求。' if r['local_ok']
           else '\t\tη*γ*f*Al = %.3fkN ≤ N = %.3fkN,局部受压承载力不满足要求。') % (r['Nu'], r['N']))
    else:
        L('\t\t局部受压未进行验算!')
    return '\n'.join(out) + '\n'


CASES = {
    'tilt_defaults': {},
    'tilt_roof': dict(code='TL_2', pos='屋顶', hole=0, L=900, gk2=20.0),
    'tilt_opening_d200': dict(D=200),
}


def case(**kw):
    p = dict(DEFAULTS)
    p.update(kw)
    return p, calculate(p)


def check():
    import os
    here = os.path.dirname(os.path.abspath(__file__))
    expected = {}
    for name, kw in CASES.items():
        p, r = case(**kw)
        expected[name + '_book.txt'] = book(p, r)
        expected[name + '_result.txt'] = result_text(p, r)
    p, r = case(tilt=0, normal=0, oblique=0, local=0)
    expected['tilt_switches_off_result.txt'] = result_text(p, r)
    bad = 0
    for name, text in expected.items():
        with open(os.path.join(here, name), encoding='utf-8') as f:
            same = f.read() == text
        print(('OK   ' if same else 'DIFF ') + name)
        bad += not same
    return bad


if __name__ == '__main__':
    if sys.argv[1] == 'check':
        sys.exit(check())
    p = dict(DEFAULTS)
    for arg in sys.argv[2:]:
        k, v = arg.split('=', 1)
        p[k] = type(DEFAULTS[k])(v)
    r = calculate(p)
    if sys.argv[1] == 'book':
        sys.stdout.write(book(p, r))
    elif sys.argv[1] == 'result':
        sys.stdout.write(result_text(p, r))
    else:
        print(json.dumps(r, ensure_ascii=False, indent=1, default=str))
