# Independent reference of the lintel goldens (summer_*.txt): every number from the formulas, the texts as the
# plain-text renderer prints them. `python3 summer_reference.py check` re-derives the golden files and compares;
# `python3 summer_reference.py book|result|json KEY=VALUE ...` prints one case (keys as in defaults()).
import json, math, os, sys

# GB 50010-2010 tables 4.1.4-1/-2 (fc, ft), 4.2.3-1 (fy), 4.2.5 (Es)
FC = {'C15': 7.2, 'C20': 9.6, 'C25': 11.9, 'C30': 14.3}
FT = {'C15': 0.91, 'C20': 1.10, 'C25': 1.27, 'C30': 1.43}
FY = {'HPB300': 270.0, 'HRB335': 300.0, 'HRB400': 360.0, 'HRB500': 435.0}
ES = {'HPB300': 2.1e5, 'HRB335': 2.0e5, 'HRB400': 2.0e5, 'HRB500': 2.0e5}
SYM = {'HPB300': 'Φ', 'HRB335': 'Φ\u0332', 'HRB400': 'Φ\u0332\u0305', 'HRB500': 'Φ\u0333\u0305'}
# GB 50003-2001 tables 3.2.1-1 and -5 (only the cells used)
MASONRY = {('烧结普通砖', 'MU10', 'M5'): 1.50, ('烧结普通砖', 'MU10', '0'): 0.67, ('烧结普通砖', 'MU15', 'M7.5'): 2.07,
           ('毛料石', 'MU30', 'M5'): 2.63}
BRICKS = ['烧结普通砖', '烧结多孔砖', '蒸压灰砂砖', '蒸压粉煤灰砖', '料石', '毛石']

def short(v):  # at most three decimals, trailing zeros trimmed
    s = '%.3f' % v
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    if s == '-0': s = '0'
    return s

def defaults():
    return dict(code='GL-1', sec='矩形', h=300, b=240, h1=120, b1=120, Ln=2500, a=300, hw=1000, bw=240,
                stuff='烧结普通砖', grade='MU10', sand='M5', ya=1.0, f=1.5, con='C15', rein='HPB300',
                stir='HPB300', s=200.0, yo=1.0, as_=35.0, yg=1.35, yw=18.0, yl=25.0, qb=10.0, local=1, mode=1)

def bars_per_layer(b, as_, d, c):
    width = b - 2 * as_
    if width < 0: return 0
    m = int(width // (d + max(d, c))) + 1
    m = min(m, 6 if b >= 300 else 5)
    if d <= 16: m = min(m, 4)
    return m

DIAS = [12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40]
def area1(d): return math.pi * d * d / 4

def one_size(b, as_, A, c, k=1.0):
    out = []; anyhold = False
    for i, d in enumerate(DIAS):
        a1 = area1(d); m = bars_per_layer(b, as_, d, c)
        if m * a1 < A: continue
        anyhold = True
        o = math.trunc((1 + k) * A / a1); r = min(m, o)
        if o < 2 and not out: r = min(m, 2)
        n0 = max(math.trunc(A / a1) + 1, 2)
        for n in range(n0, r + 1): out.append((i, 0, n, 0))
    return out, (0 if out else (-1 if anyhold else -2))

def two_size(b, as_, A, c, k=1.0):
    out = []; code = -2
    for i in range(12):
        for j in range(i + 1):
            d1, d2 = DIAS[i], DIAS[j]; a1, a2 = area1(d1), area1(d2)
            m1 = bars_per_layer(b, as_, d1, max(d1, c)); m2 = bars_per_layer(b, as_, d2, max(d2, c))
            if m2 * a2 + m1 * a1 < A: code = -2; continue
            code = -1
            for n1 in range(2, min(m1, math.trunc((1 + k) * A / a1)) + 1):
                lo = max(math.trunc((A - n1 * a1) / a2) + 1, 2)
                hi = min(math.trunc(((1 + k) * A - n1 * a1) / a2), 9, m2, n1)
                for n2 in range(lo, hi + 1): out.append((i, j, n1, n2))
    return out, (1 if out else code)

def cand_area(c):
    i, j, n1, n2 = c
    return math.pi / 4 * (DIAS[i] ** 2 * n1 + DIAS[j] ** 2 * n2)

def pick(lst, target):
    best = lst[-1]; be = cand_area(best) - target
    for c in lst:
        e = cand_area(c) - target
        if e < be: best, be = c, e
    return best

def select(b, as_, A1, A2):
    for m2, s2 in ((False, False), (True, False), (False, True), (True, True)):
        L1, c1 = (two_size if m2 else one_size)(b, as_, A1, 25)
        L2, c2 = (two_size if s2 else one_size)(b, as_, A2, 30)
        if c1 >= 0 and c2 >= 0: return pick(L1, A1), pick(L2, A2)
    return None

def calc(p):
    r = {}
    Ln, hw = p['Ln'], p['hw']
    if p['stuff'] in BRICKS:
        full = hw < Ln // 3; hwt = hw if full else Ln / 3
    else:
        full = hw < Ln // 2; hwt = hw if full else 0.5 * Ln
    r['full'] = full; r['hwt'] = hwt
    r['gkW'] = hwt / 1000 * p['bw'] * p['yw'] / 1000
    if p['sec'] == '矩形':
        r['gkL'] = p['yl'] * p['b'] * p['h'] / 1e6
    else:
        r['gkL'] = ((p['b'] - p['b1']) * p['h1'] + p['b1'] * p['h']) / 1e6 * p['yl']
    r['qbc'] = hw < Ln
    r['p'] = p['yo'] * (p['yg'] * (r['gkW'] + r['gkL']) + (p['qb'] if r['qbc'] else 0))
    r['L0'] = min(1.05 * Ln, Ln + p['a']) / 1000
    r['M'] = r['p'] * r['L0'] ** 2 / 8
    r['V'] = r['p'] * 0.5 * Ln / 1000
    w = p['b'] if p['sec'] == '矩形' else p['b1']
    r['w'] = w
    fc, ft, fy = FC[p['con']], FT[p['con']], FY[p['rein']]
    h0 = p['h'] - p['as_']; r['h0'] = h0
    als = r['M'] * 1e6 / (1.0 * fc * w * h0 * h0)   # gamma0 already in p: the section takes 1.0
    xi = 1.0 if als >= 0.5 else 1 - math.sqrt(1 - 2 * als)
    r['alphas'] = als; r['xi'] = xi
    r['xib'] = 0.8 / (1 + fy / (ES[p['rein']] * 0.0033))
    r['AsReq'] = 1.0 * fc * w * h0 * xi / fy
    rho_min = max(0.2, 45 * ft / fy)
    r['AsMin'] = rho_min / 100 * p['b'] * p['h']
    # shear, GB 50010-2010 6.3.1, 6.3.4 (αcv = 0.7, coefficient 1.0 on fyv·Asv/s·h0), 9.2.9
    betac = 1.0; fyv = FY[p['stir']]; s = p['s']
    ratio = h0 / w
    v25 = 0.25 * betac * fc * w * h0; v20 = 0.2 * betac * fc * w * h0
    if ratio <= 4: vlim = v25
    elif ratio >= 6: vlim = v20
    else: vlim = v25 + (ratio - 4) * (v20 - v25) / 2
    Vc = 0.7 * ft * w * h0; V = r['V'] * 1000
    asvcalc = (V - Vc) * s / (fyv * h0)
    r['vlim'] = vlim; r['Vc'] = Vc; r['asvcalc'] = asvcalc
    r['secok'] = V <= vlim + 1e-6; r['detail'] = V <= Vc + 1e-6
    rsvmin = 0.24 * ft / fyv
    if r['secok']:
        asv = rsvmin * w * s if r['detail'] else asvcalc
        if asv / (w * s) < rsvmin - 1e-6: asv = rsvmin * w * s
    else:
        asv = asvcalc
    r['Asv'] = asv
    # local compression, GB 50003-2001 5.2.2-5.2.4
    r['localdone'] = False
    if p['local']:
        r['N1'] = r['p'] * 0.5 * r['L0']
        if p['mode'] == 1:
            fcs = MASONRY[(p['stuff'], p['grade'], p['sand'])]; p['f'] = fcs; fu = fcs * p['ya']
        else:
            fu = p['f']
        a0 = math.trunc(10 * math.sqrt(p['h'] / fu)); A1 = a0 * p['b']; A0 = (p['a'] + p['bw']) * p['bw']
        capped = False; noenh = A0 <= A1
        if noenh: g = 1.0
        else:
            g = 1 + 0.35 * math.sqrt(A0 / A1 - 1)
            if g > 1.25: g = 1.25; capped = True
        r.update(fu=fu, a0=a0, A1=A1, A0=A0, gamma=g, capped=capped, noenh=noenh)
        r['Nmax'] = g * fu * A1 / 1000; r['lok'] = r['Nmax'] >= r['N1']; r['localdone'] = True
    sel = select(w, p['as_'], r['AsReq'], r['AsMin'])
    r['barok'] = sel is not None
    if sel:
        bot, top = sel
        def grp(c):
            i, j, n1, n2 = c
            return dict(n1=n1, d1=DIAS[i], n2=n2, d2=DIAS[j] if n2 else 0, area=cand_area(c))
        r['bot'] = grp(bot); r['top'] = grp(top)
        dmin = math.ceil(math.sqrt(2 * asv / math.pi))
        dd = [d for d in (6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40) if d >= dmin]
        r['sd'] = dd[0] if dd else 0
        r['asvm'] = asv * 1000 / s
        r['asvp'] = 2 * math.pi * r['sd'] ** 2 / 4 * 1000 / s
    return r

def book(p, r):
    L = []
    W = L.append
    m = lambda v: v / 1000
    lshape = p['sec'] != '矩形'
    W('钢筋混凝土过梁计算书'); W('项目名称_____________日    期_____________'); W('设 计 者_____________校 对 者_____________')
    W('一、构件编号: ' + p['code']); W('二、示意图: ')
    W('[图: ' + ('L形截面过梁' if lshape else '矩形截面过梁') + ']')
    W('三、设计依据:'); W('   《混凝土结构设计规范》 (GB 50010-2010)'); W('   《砌体结构设计规范》 (GB 50003-2001)')
    W('四、计算信息'); W('\t1. 几何参数')
    W('\t\t过梁高度h = %d mm' % p['h']); W('\t\t过梁宽度b = %d mm' % p['b'])
    if lshape: W('\t\t过梁L形高度h1 = %d mm' % p['h1']); W('\t\t过梁L形宽度b1 = %d mm' % p['b1'])
    W('\t\t过梁净跨Ln = %d mm' % p['Ln']); W('\t\t过梁梁端的支承长度a = %d mm' % p['a'])
    W('\t\t过梁上墙体高度hw = %d mm' % p['hw']); W('\t\t墙体厚度bw = %d mm' % p['bw'])
    W('\t2. 材料信息'); W('\t\t砌体类型: ' + p['stuff']); W('\t\t砌体强度等级: ' + p['grade']); W('\t\t砂浆强度等级: ' + p['sand'])
    W('\t\t砌体材料抗压强度设计值 fc = %.2f(Mpa)' % p['f'])
    if p['mode'] == 1: W('\t\t砌体材料抗压强度设计值调整系数 γa = %.2f' % p['ya'])
    W('\t\t纵筋种类: %s fy = %.2f N/mm^2 Es = %.2f N/mm^2' % (p['rein'], FY[p['rein']], ES[p['rein']]))
    W('\t\t箍筋种类: %s fyv = %.2f N/mm^2' % (p['stir'], FY[p['stir']])); W('\t\t箍筋间距: s = %.0f mm' % p['s'])
    W('\t3. 计算信息'); W('\t\t结构重要性系数: γo = %.1f' % p['yo']); W('\t\t纵筋合力点至近边距离: as = %.0f mm' % p['as_'])
    W('\t4. 荷载信息'); W('\t\t恒载分项系数: γG = %.2f' % p['yg']); W('\t\t砌体材料容重: γW = %.2f kN/m^3' % p['yw'])
    W('\t\t过梁容重: γL = %.2f kN/m^3' % p['yl']); W('\t\t楼板传来的荷载设计值: qb = %.2f kN/m' % p['qb'])
    W('五、计算过梁荷载设计值'); W('\t1. 墙体荷载')
    if r['full']: W('\t\tgkW = γW*bw*hw = %.2f*%.2f*%.2f = %.2f kN/m' % (p['yw'], m(p['bw']), m(p['hw']), r['gkW']))
    elif p['stuff'] in BRICKS: W('\t\tgkW = γW*bw*Ln/3 = %.2f*%.2f*%.2f/3 = %.2f kN/m' % (p['yw'], m(p['bw']), m(p['Ln']), r['gkW']))
    else: W('\t\tgkW = γW*bw*Ln/2 = %.2f*%.2f*%.2f/2 = %.2f kN/m' % (p['yw'], m(p['bw']), m(p['Ln']), r['gkW']))
    W('\t2. 过梁自重')
    if lshape:
        W('\t\tgkL = γL*(b*h1+b1h-b1h1) = %.2f*(%.2f*%.2f+%.2f*%.2f-%.2f*%.2f) = %.2f kN/m' % (p['yl'], m(p['b']), m(p['h1']), m(p['b1']), m(p['h']), m(p['b1']), m(p['h1']), r['gkL']))
    else:
        W('\t\tgkL = γL*b*h = %.2f*%.2f*%.2f = %.2f kN/m' % (p['yl'], m(p['b']), m(p['h']), r['gkL']))
    W('\t3. 过梁上荷载设计值')
    if r['qbc']: W('\t\tp = γO[γG(gkW+gkL)+qb] = %.2f[%.2f(%.2f+%.2f)+%.2f] = %.2f kN/m' % (p['yo'], p['yg'], r['gkW'], r['gkL'], p['qb'], r['p']))
    else: W('\t\tp = γO*γG*(gkW+gkL) = %.2f*%.2f*(%.2f+%.2f) = %.2f kN/m' % (p['yo'], p['yg'], r['gkW'], r['gkL'], r['p']))
    W('六、过梁截面配筋'); W('\t1. 计算过梁的计算跨度')
    W('\t\tLo = min(Ln+a,1.05Ln) = min(%.2f+%.2f,1.05*%.2f) = %.3f m' % (m(p['Ln']), m(p['a']), m(p['Ln']), r['L0']))
    W('\t2. 计算过梁跨中最大弯矩'); W('\t\tMmax = 1/8*p*Lo^2 = 1/8*%.2f*%.3f^2 = %.2f kN·m' % (r['p'], r['L0'], r['M']))
    fc, ft, fy = FC[p['con']], FT[p['con']], FY[p['rein']]; w = r['w']; h0 = r['h0']
    W('\t3.计算截面有效高度'); W('\t\tho=h-as=%s-%s=%smm' % (short(p['h']), short(p['as_']), short(h0)))
    W('\t4.计算相对界限受压区高度')
    W('\t\tξb=β1/(1+fy/(Es*εcu))=0.8/(1+%s/(%s*0.0033))=%s' % (short(fy), short(ES[p['rein']]), short(r['xib'])))
    W('\t5.确定计算系数'); W('\t\tγo*M≤α1*fc*b*x*(ho-x/2)\t\t混规(6.2.10-1)')
    W('\t\tαs=γo*M/(α1*fc*b*ho^2)=1*%s×10^6/(1.0*%s*%s*%s^2)=%s' % (short(r['M']), short(fc), short(w), short(h0), short(r['alphas'])))
    W('\t6.计算相对受压区高度')
    W('\t\tξ=1-sqrt(1-2αs)=1-sqrt(1-2*%s)=%s' % (short(r['alphas']), short(r['xi'])))
    if r['xi'] <= r['xib']: W('\t\tξ=%s≤ξb=%s,满足要求。' % (short(r['xi']), short(r['xib'])))
    else: W('\t\tξ=%s＞ξb=%s,不满足要求。' % (short(r['xi']), short(r['xib']))); W('\t\t超筋，不满足最大配筋率要求')
    W('\t7.计算纵向受拉筋面积'); W('\t\tα1*fc*b*x=fy*As\t\t混规(6.2.10-2)')
    W('\t\tAs=α1*fc*b*ho*ξ/fy=1.0*%s*%s*%s*%s/%s=%smm^2' % (short(fc), short(w), short(h0), short(r['xi']), short(fy), short(r['AsReq'])))
    sym = SYM[p['rein']]; bt = r['bot']
    txt = '\t\t实配钢筋:%d%s%d' % (bt['n1'], sym, bt['d1'])
    if bt['n2']: txt += '+%d%s%d' % (bt['n2'], sym, bt['d2'])
    W(txt + ',As = %s mm^2' % short(bt['area']))
    W('\t8.验算最小配筋率')
    rho = bt['area'] / (w * p['h'])  # the section calculator's gross section: design width × h
    W('\t\tρ=As/(b*h)=%s/(%s*%s)=%s％' % (short(bt['area']), short(w), short(p['h']), short(rho * 100)))
    rmin = max(0.002, 0.45 * ft / fy)
    W('\t\tρmin=max(0.200,45*ft/fy)=max(0.200,45*%s/%s)=%s％\t\t混规(8.5.1)' % (short(ft), short(fy), short(rmin * 100)))
    W('\t\t' + ('满足最小配筋率要求' if rho >= rmin - 1e-6 else '不满足最小配筋率要求'))
    W('七、过梁箍筋计算'); W('\t1. 计算过梁最大剪力'); W('\t\tV = 0.5*p*Ln = 0.5*%.2f*%.2f = %.2f kN' % (r['p'], m(p['Ln']), r['V']))
    W('\t2.计算截面有效高度和腹板高度'); W('\t\tho=h-as=%s-%s=%smm' % (short(p['h']), short(p['as_']), short(h0))); W('\t\thw=ho=%smm' % short(h0))
    W('\t3.确定受剪面是否符合条件')
    ratio = h0 / w; sizes = '1.0*%s*%s*%s/1' % (short(fc), short(w), short(h0)); V = r['V']
    sign = '≥' if r['secok'] else '<'
    if ratio <= 4:
        W('\t\thw/b=%s/%s=%s≤4,V≤0.25*βc*fc*b*ho/γo\t\t混规(6.3.1-1)' % (short(h0), short(w), short(ratio)))
        W('\t\t0.25*βc*fc*b*ho/γo=0.25*%s=%skN%sV=%skN' % (sizes, short(r['vlim'] / 1000), sign, short(V)))
    elif ratio >= 6:
        W('\t\thw/b=%s/%s=%s≥6,V≤0.2*βc*fc*b*ho/γo\t\t【7.5.1-2】' % (short(h0), short(w), short(ratio)))
        W('\t\t0.2*βc*fc*b*ho/γo=0.2*%s=%skN%sV=%skN' % (sizes, short(r['vlim'] / 1000), sign, short(V)))
    else:
        v25 = 0.25 * fc * w * h0 / 1000; v20 = 0.2 * fc * w * h0 / 1000
        W('\t\t4<hw/b=%s/%s=%s<6,按线性内插法确定' % (short(h0), short(w), short(ratio)))
        W('\t\t0.25*βc*fc*b*ho/γo=0.25*%s=%skN\t\t混规(6.3.1-1)' % (sizes, short(v25)))
        W('\t\t0.2*βc*fc*b*ho/γo=0.2*%s=%skN\t\t【7.5.1-2】' % (sizes, short(v20)))
        W('\t\tVlim=%s+(%s-4)*(%s-%s)/(6-4)=%skN%sV=%skN' % (short(v25), short(ratio), short(v20), short(v25), short(r['vlim'] / 1000), sign, short(V)))
    W('\t\t截面符合条件。' if r['secok'] else '\t\t截面不符合条件。')
    W('\t4.确定是否需要按构造箍筋')
    W('\t\t0.7*ft*b*ho/γo=0.7*%s*%s*%s/1=%skN%sV=%skN' % (short(ft), short(w), short(h0), short(r['Vc'] / 1000), '≥' if r['detail'] else '<', short(V)))
    W('\t\t不进行斜截面的承载力计算，仅需按构造要求配置箍筋。' if r['detail'] else '\t\t需进行计算配置箍筋。')
    W('\t5.计算箍筋面积')
    fyv = FY[p['stir']]; s = p['s']
    if r['secok'] and r['detail']:
        W('\t\tAsv=0.24*ft/fyv*b*s=0.24*%s/%s*%s*%s=%smm^2' % (short(ft), short(fyv), short(w), short(s), short(0.24 * ft / fyv * w * s)))
    else:
        W('\t\tγo*V≤0.7*ft*b*ho+fyv*(Asv/s)*ho\t\t混规(6.3.4-2)')
        W('\t\tAsv=(γo*V-0.7*ft*b*ho)*s/(fyv*ho)=(1*%s×10^3-0.7*%s*%s*%s)*%s/(%s*%s)=%smm^2' % (short(V), short(ft), short(w), short(h0), short(s), short(fyv), short(h0), short(r['asvcalc'])))
    W('\t\t实际配置双肢箍筋:%s%d@%.0f , Asv/s = %s mm^2/m' % (SYM[p['stir']], r['sd'], s, short(r['asvp'])))
    W('\t6.验算最小配箍率')
    tested = r['asvp'] * s / 1000; rho = tested / (w * s); rmin = 0.24 * ft / fyv
    W('\t\tρ=Asv/(b*s)=%s/(%s*%s)=%s％' % (short(tested), short(w), short(s), short(rho * 100)))
    W('\t\tρmin=0.24*ft/fyv=0.24*%s/%s=%s％\t\t混规(9.2.9)' % (short(ft), short(fyv), short(rmin * 100)))
    if rho >= rmin - 1e-6: W('\t\t满足最小配箍率要求。')
    else:
        W('\t\t不满足最小配箍率要求。')
        if r['secok']: W('\t\t取As=ρmin*b*s=%s％*%s*%s=%smm^2 。' % (short(rmin * 100), short(w), short(s), short(rmin * w * s)))
    if r['localdone']:
        W('八、局部受压验算'); W('\t1. 计算梁端支承压力设计值'); W('\t\tN1 = 0.5*p*Lo = 0.5*%.2f*%.3f = %.2f KN' % (r['p'], r['L0'], r['N1']))
        W('\t2. 计算有效支承长度'); W('\t\ta0 = 10*sqrt(h/f) = 10*sqrt(%d/%.2f) = %d mm' % (p['h'], r['fu'], r['a0']))
        W('\t3. 计算混凝土局部受压面积'); W('\t\tA1 = a0b = %d*%d = %d mm^2' % (r['a0'], p['b'], r['A1']))
        W('\t4. 计算局部抗压强度提高系数'); W('\t\tA0 = (a+bw)*bw = (%d+%d)*%d = %d mm^2' % (p['a'], p['bw'], p['bw'], r['A0']))
        if r['noenh']: W('\t\tA0 = %d mm^2 ≤ A1 = %d mm^2，γ取为1.0。' % (r['A0'], r['A1']))
        else:
            W('\t\tγ = 1+0.35*sqrt(A0/A1-1) = 1+0.35*sqrt(%d/%d-1) = %.2f' % (r['A0'], r['A1'], r['gamma']))
            if r['capped']: W('\t\t当γ大于1.25时，γ取为1.25。')
        W('\t5. 计算最大承载力'); W('\t\tNmax = η*γ*f*A1 = %.1f*%.2f*%.2f*%d = %.2f kN' % (1.0, r['gamma'], r['fu'], r['A1'], r['Nmax']))
        W('\t6. 验算结果')
        if r['lok']: W('\t\tN1 = %.2fkN ≤ Nmax = %.2fkN，局部受压承载力满足要求。' % (r['N1'], r['Nmax']))
        else: W('\t\tN1 = %.2fkN ＞ Nmax = %.2fkN，局部受压承载力不满足要求。' % (r['N1'], r['Nmax']))
    return '\n'.join(L) + '\n'

def result_text(p, r):
    L = ['钢筋混凝土过梁计算书', '一、构件编号: ' + p['code'], '二、尺寸参数', '\t\th = %d mm' % p['h'], '\t\tb = %d mm' % p['b']]
    if p['sec'] != '矩形': L += ['\t\th1 = %d mm' % p['h1'], '\t\tb1 = %d mm' % p['b1']]
    L += ['\t\tLn = %d mm' % p['Ln'], '\t\ta = %d mm' % p['a'], '\t\thw = %d mm' % p['hw'], '\t\tbw = %d mm' % p['bw'],
          '三、荷载参数', '\t\tγG = %.2f' % p['yg'], '\t\tγW = %.2f kN/m^3' % p['yw'], '\t\tγL = %.2f kN/m^3' % p['yl'],
          '\t\tqb = %.2f kN/m' % p['qb'], '四、计算结果', '\t\tAs = %s mm^2' % short(r['bot']['area']), '\t\tAsv/s = %s mm^2' % short(r['asvp'])]
    if r['localdone']: L.append('\t\t局部受压承载力满足要求。' if r['lok'] else '\t\t局部受压承载力不满足要求。')
    return '\n'.join(L) + '\n'

CASES = {
    'summer_defaults': {},
    'summer_lshape': dict(sec='L形', b=370, b1=240, h1=120, bw=370),
    'summer_roughstone': dict(stuff='毛料石', grade='MU30', sand='M5', hw=1500, Ln=2400),
}
# Which texts of each case have a golden file.
GOLDEN = {'summer_defaults': ('book', 'result'), 'summer_lshape': ('book', 'result'), 'summer_roughstone': ('book',)}


def case(**kw):
    p = defaults()
    p.update(kw)
    return p, calc(p)


def check():
    here = os.path.dirname(os.path.abspath(__file__))
    bad = 0
    for name, kw in CASES.items():
        p, r = case(**kw)
        for kind in GOLDEN[name]:
            text = book(p, r) if kind == 'book' else result_text(p, r)
            file = '%s_%s.txt' % (name, kind)
            with open(os.path.join(here, file), encoding='utf-8') as f:
                same = f.read() == text
            print(('OK   ' if same else 'DIFF ') + file)
            bad += not same
    return bad


if __name__ == '__main__':
    if sys.argv[1] == 'check':
        sys.exit(check())
    p = defaults()
    for arg in sys.argv[2:]:
        k, v = arg.split('=', 1)
        p[k] = type(defaults()[k])(v)
    r = calc(p)
    if sys.argv[1] == 'book':
        sys.stdout.write(book(p, r))
    elif sys.argv[1] == 'result':
        sys.stdout.write(result_text(p, r))
    else:
        print(json.dumps(r, ensure_ascii=False, indent=1, default=str))
