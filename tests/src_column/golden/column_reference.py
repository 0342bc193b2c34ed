# Independent reference of the steel-reinforced-concrete column goldens (jgj_*.txt, yb_*.txt): every number
# from the formulas, the texts as the plain-text renderer prints them. `python3 column_reference.py check`
# re-derives the golden files and compares; `python3 column_reference.py book|result|json KEY=VALUE ...` prints
# one case (keys as in DEFAULTS; code=JGJ or YB).
import math, re, sys, json
PI=3.141592653589793
FC={'C15':7.2,'C20':9.6,'C25':11.9,'C30':14.3,'C35':16.7,'C40':19.1,'C45':21.1,'C50':23.1,'C55':25.3,'C60':27.5,'C65':29.7,'C70':31.8,'C75':33.8,'C80':35.9}
FY={'HPB300':270,'HRB335':300,'HRBF335':300,'HRB400':360,'HRBF400':360,'RRB400':360,'HRB500':435,'HRBF500':435}
ES={'HPB300':2.1e5}
def es(g): return ES.get(g,2.0e5)
def steel(grade,t):
    bands={'Q235':[(16,215,125),(40,205,120),(60,200,115),(100,190,110)],'Q345':[(16,310,180),(35,295,170),(50,265,155),(100,250,145)]}[grade]
    for tm,f,fv in bands:
        if t<=tm+1e-6: return f,fv
    return bands[-1][1],bands[-1][2]
def beta1_gb(g):
    n=int(g[1:]);
    if n<=50: return 0.8
    return 0.8-(n-50)/30*0.06
def ecu(g):
    n=int(g[1:]); return min(0.0033,0.0033-(n-50)*1e-5)
def eb_service(con,bar):
    return beta1_gb(con)/(1+FY[bar]/(es(bar)*ecu(con)))
TABLE=[(['C20','C25','C30','C35','C40','C45','C50'],1.0,0.8,(0.576,0.55,0.518)),(['C55'],0.99,0.79,(0.573,0.541,0.508)),
 (['C60'],0.98,0.78,(0.571,0.531,0.499)),(['C65'],0.97,0.77,(0.568,0.522,0.49)),(['C70'],0.96,0.76,(0.565,0.512,0.481)),
 (['C75'],0.95,0.75,(0.563,0.503,0.472)),(None,0.94,0.74,(0.562,0.493,0.463))]
def stress_block(con,bar):
    row=TABLE[-1]
    for r in TABLE[:-1]:
        if con in r[0]: row=r
    a1,b1,xs=row[1],row[2],row[3]
    if bar=='HPB300': xb=xs[0]
    elif bar=='HRB335': xb=xs[1]
    elif bar=='HRB400': xb=xs[2]
    else: xb=eb_service(con,bar)
    return a1,b1,xb

DEFAULTS=dict(b=1000,h=1000,Hn=5000,l0=9000,amp=1.0,c=35,Do=30,Dx=30,Dy=30,Nx=5,Ny=5,N=500,Mx=1000,Vc=500,s=100,dv=12,
  hx=3,hy=3,bf=144.0,ha=400.0,tf=16.5,tw=12.5,seis='非抗震',steel='Q235',port='HRB335',hoop='HPB300',con='C30',
  code='JGJ',yo=1.0,struct='框架',number='GGHNTZ_1')

def axial_limit(p,lam):
    col={'三级抗震':0,'二级抗震':1}.get(p['seis'],2)
    if p['struct']=='框架': row=(0.85,0.75,0.65)
    elif p['struct'] in ('框架—剪力墙','框架—筒体'): row=(0.9,0.8,0.7)
    else: row=(0.8,0.7,0.6)
    lim=row[col]
    t=lim
    if lam<=2+1e-6: lim-=0.05
    return t,lim

def calc(**kw):
    p=dict(DEFAULTS); p.update(kw)
    r={}
    b,h,c=float(p['b']),float(p['h']),float(p['c'])
    bf,ha,tf,tw=p['bf'],p['ha'],p['tf'],p['tw']
    r['Aaf']=bf*tf
    r['fa'],_=steel(p['steel'],max(tw,tf)); _,r['fssv']=steel(p['steel'],tw)
    fa=r['fa']; r['faP']=fa
    fc=FC[p['con']]; fy=FY[p['port']]; fyv=FY[p['hoop']]; Es=es(p['port'])
    r.update(fc=fc,fy=fy,fyv=fyv,Es=Es)
    Ix=(bf*ha**3-(bf-tw)*(ha-2*tf)**3)/12; r['Ia']=Ix; r['Wss']=Ix/(ha/2)
    aa=(h-ha)/2+tf/2
    k=p['Nx']/2+2
    asp=c+(p['Dx']/2*k+25*p['Ny'])/(k+p['Ny']/2)
    h0=h-(asp+aa)/2
    r.update(aa=aa,asp=asp,h0=h0,hw=ha-2*tf,as_=c+30)
    hw=ha-2*tf; as_=c+30; a=(as_+aa)/2
    d1h0=aa; d2h0=ha+(h-ha)/2-tf/2
    Aa=2*bf*tf+hw*tw
    r.update(a=a,d1h0=d1h0,d2h0=d2h0,Aa=Aa)
    a1,b1,xbt=stress_block(p['con'],p['port'])
    r.update(alpha1=a1,beta1=b1,xib=xbt)
    M=p['Mx']*p['amp']; r['M']=M
    AsvR=p['hy']*PI*p['dv']**2/4; r['AsvR']=AsvR
    AsR=p['Nx']*PI*p['Dx']**2/8+PI*p['Do']**2/2; r['AsR']=AsR
    ratio=fa*tw*hw/(fc*b*h0); r['ratio']=ratio
    r['v_ratio']='型钢比验算结果不满足要求！' if ratio<0.1-1e-6 else '型钢比验算结果满足要求！'
    seis=p['seis']!='非抗震'
    N=float(p['N']); Vc=float(p['Vc']); yo=p['yo']
    A=b*h; r['A']=A
    if p['code']=='JGJ':
        g=0.8 if seis else yo; r['g']=g
        e0=M*1000/N; eaF=0.12*(0.3*h0-e0); ea=max(eaF,20,p['h']//30); ei=e0+ea
        z1r=0.5*fc*A/N/1000; z2r=1.15-0.01*p['l0']/h
        z1=min(z1r,1); z2=min(z2r,1)
        sl=p['l0']/h
        eta=1 if sl<=8+1e-6 else 1+sl*sl*z1*z2/(1400*ei/h0)
        e=eta*ei+h/2-a
        As=AsR; d1=d1h0/h0; d2=d2h0/h0
        x=(g*N*1000+(d1+d2)*tw*h0*fa)/(fc*b+2.5*tw*fa)
        xi=x/h0; xb=0.8/(1+(fy+fa)/(0.006*Es))
        r.update(e0=e0,eaF=eaF,ea=ea,ei=ei,z1r=z1r,z2r=z2r,z1=z1,z2=z2,eta=eta,e=e,As=As,d1=d1,d2=d2,xg=x,xib=xb)
        large = x < xb*h0
        r['large']=large
        yNe=N*1000*g*e/1e6; r['yNe']=yNe
        def Mu(x,Maw): return (b*x*(h0-x/2)*fc+As*(h0-as_)*fy+bf*tf*(h0-aa)*fa+Maw)/1e6
        if large:
            r['x']=x; r['xi']=xi
            ok=d1h0<1.25*x<d2h0; r['secok']=ok
            if not ok: r['v_normal']='型钢截面过小不符合要求！\n'
            else:
                Naw=(2.5*xi-(d1+d2))*tw*h0*fa; Maw=(0.5*(d1*d1+d2*d2)-(d1+d2)+2.5*xi-(1.25*xi)**2)*tw*h0*h0*fa
                r['Naw']=Naw/1000; r['Maw']=Maw/1e6; r['Mu']=Mu(x,Maw)
                r['v_normal']='配筋不足！\n' if r['Mu']<yNe else '正截面验算满足要求！\n'
        else:
            Naw=(d2-d1)*tw*h0*fa; Maw=(0.5*(d1*d1-d2*d2)+(d2-d1))*tw*h0*h0*fa
            r['Naw']=Naw/1000; r['Maw']=Maw/1e6
            den=(N*1000*e-0.45*fc*b*h0*h0-Maw)/(0.8-xb)/(h0-as_)+fc*b*h0
            r['den']=den
            xi=(N*1000-fc*xb*b*h0-Naw)/den+xb if den>0 else h/h0
            x=xi*h0; cap=False
            if x>h: x=h; cap=True
            r.update(xi=xi,x=x,cap=cap)
            ok=1.25*x>d1h0 and 1.25*x>d2h0; r['secok']=ok
            if not ok: r['v_normal']='型钢截面过小不符合要求！\n'
            else:
                q=(xi-0.8)/(xb-0.8)
                ss=min(max(fy*q,-fy),fy); sa=min(max(fa*q,-fa),fa)
                r.update(ssr=fy*q,sar=fa*q,ss=ss,sa=sa)
                Nu=(fc*x*b+(fy-ss)*As+(fa-sa)*bf*tf+Naw)/1000
                r['Nu']=Nu; r['yoN']=yo*N; r['Mu']=Mu(x,Maw)
                r['v_normal']='配筋不足！\n' if (r['Mu']<yNe or Nu<yo*N) else '正截面验算满足要求！\n'
        gv=0.85 if seis else yo
        lam=min(max(M*1000/Vc/h0,1),3)
        Vaw=0.58*fa*tw*hw/lam/1000; Vcrc=Vc*gv-Vaw; Np=min(N,0.3*fc*A/1000)
        if seis: Asv=(Vcrc*1000-0.056*Np*1000-0.16*fc*b*h0/(lam+1.5))*p['s']/0.8/(fyv*h0)
        else: Asv=(Vcrc*1000-0.07*Np*1000-0.2*fc*b*h0/(lam+1.5))*p['s']/(fyv*h0)
        r.update(lam=lam,Vaw=Vaw,Vcrc=Vcrc,Np=Np,Asv=Asv,gv=gv)
        r['v_shear']='斜截面验算不满足要求！' if AsvR<Asv else '斜截面验算满足要求！'
        V=Vcrc
    else:
        g=0.8 if seis else yo; r['g']=g
        Ncoss=fa*Aa; Ncorc=fc*A; No=Ncoss+Ncorc; Nb=0.4*fc*b*h
        Ncss_raw=(N*1000-Nb)*Ncoss/(No-Nb); Ncss=max(0,Ncss_raw)
        Myoss=1.05*r['Wss']*fa
        m=1.0 if N>=Nb/1000-1e-6 else 1.3
        Mcyss=(1-abs(Ncss/Ncoss)**m)*Myoss
        Ncrc=N*1000-Ncss; Mcrc_raw=M*1e6-Mcyss; Mcrc=max(0,Mcrc_raw)
        e0=Mcrc/Ncrc; ea=max(h0/30,20); ei=e0+ea
        z=max(min(1.3-0.026*p['l0']/h,1.0),0.7)
        nprime=(N*1000-0.4*fc*A)/(No-0.4*fc*A)
        sl=p['l0']/h
        eta=max(1+(7-6*nprime)*1.25*z*h*sl*sl*0.0001/ei,1.0)
        e=eta*ei+h/2-as_
        xg=g*N*1000/(a1*fc*b)
        large = xg<=xbt*h0
        gS=g
        r.update(Ncoss=Ncoss/1000,Ncorc=Ncorc/1000,No=No/1000,Nb=Nb/1000,Ncss_raw=Ncss_raw/1000,Ncss=Ncss/1000,Myoss=Myoss/1e6,m=m,
                 Mcyss=Mcyss/1e6,Ncrc=Ncrc/1000,Mcrc_raw=Mcrc_raw/1e6,Mcrc=Mcrc/1e6,e0=e0,ea=ea,ei=ei,zeta=z,nprime=nprime,eta=eta,e=e,xg=xg,large=large)
        about=False; cap=False
        if large:
            x=xg
            if x<2*as_:
                about=True; ep=eta*ei-h/2+as_; r['ep']=ep
                S=gS*N*1000*ep; As=S/(fy*(h0-as_))
            else:
                S=gS*N*1000*e-a1*fc*b*x*(h0-x/2); As=S/(fy*(h0-as_))
        else:
            den=a1*fc*b*h0+(gS*N*1000*e-0.43*a1*fc*b*h0*h0)/(b1-xbt)/(h0-as_)
            xi=(gS*N*1000-xbt*a1*fc*b*h0)/den+xbt if den>0 else h/h0
            x=xi*h0
            if x>h: x=h; cap=True
            S=gS*N*1000*e-a1*fc*b*x*(h0-x/2); As=S/(fy*(h0-as_))
        r.update(x=x,S=S/1e6,As=As,about=about,cap=cap)
        r['v_normal']='配筋不足！\n' if AsR<As else '正截面验算满足要求！\n'
        gv=0.85 if seis else yo
        Vcyss=r['fssv']*tw*hw/1000; Vcurc=gv*Vc-Vcyss
        lam=min(max((p['Hn']//2)/h0,1),3)
        Ncp=min(N-Ncss/1000,0.3*fc*A/1000)
        kN=0.056 if seis else 0.07; kc=0.16 if seis else 0.2
        Asv=(Vcurc*1000-kN*Ncp*1000-kc*fc*b*h0/(lam+1.5))*p['s']/(fyv*h0)
        r.update(Vcyss=Vcyss,Vcurc=Vcurc,lam=lam,Ncp=Ncp,Asv=Asv,gv=gv)
        r['v_shear']='斜截面验算不满足！' if AsvR<Asv else '斜截面验算满足！'
        V=Vcurc
    bfch0=b*fc*h0/1000; r['bfch0']=bfch0
    r['capfail']=False
    if not seis:
        yvc=yo*Vc; r['yVc']=yvc
        r['v_sc']='剪压比验算不满足要求！' if (yvc>0.45*bfch0 or V>0.25*bfch0) else '剪压比验算满足要求！'
    else:
        yvc=0.85*Vc; r['yVc']=yvc
        if yvc>0.36*bfch0: r['v_sc']='剪压比验算不满足！'; r['capfail']=True
        else:
            lim=(0.15 if lam<=2+1e-6 else 0.2)*bfch0
            r['v_sc']='剪压比验算不满足要求！' if V>lim else '剪压比验算满足要求！'
    nl='\n' if p['code']!='JGJ' else ''
    if (not seis) or p['seis']=='四级抗震':
        r['v_axial']='非抗震和四级抗震不需要验算轴压比！'+nl
    else:
        n=N*1000/(fc*A+fa*Aa); t,lim=axial_limit(p,lam)
        r.update(n=n,ntab=t,nlim=lim)
        r['v_axial']=('轴压比验算满足要求！' if lim>n else '轴压比验算不满足要求！')+nl
    r['p']=p
    return r


# --- the texts ---
def F(v):
    s='%.3f'%v
    s=s.rstrip('0').rstrip('.') if '.' in s else s
    if s=='-0': s='0'
    return s
def E2(v):
    s='%.2f'%v
    return '0.00' if s=='-0.00' else s
def sub(t):  # plain-text rendering of the mark-up: ~x~ -> x, $2$ -> ^2
    out=''; i=0
    t=re.sub(r'~([^~\n]*)~',r'\1',t)
    t=re.sub(r'\$([^$\n]*)\$',r'^\1',t)
    return t
def result_text(r):
    p=r['p']
    L=['钢骨混凝土柱计算书','一、构件编号: '+p['number'],'二、截面尺寸参数']
    t=f"\t\tb={p['b']}mm\n\t\th={p['h']}mm\n\t\tHn={p['Hn']}mm\n\t\tLo={p['l0']}mm\n\t\tStlb={F(p['bf'])}mm\n\t\tStlh={F(p['ha'])}mm\n\t\ttw={F(p['tw'])}mm\n\t\ttf={F(p['tf'])}mm\n"
    s='\n'.join(L)+'\n'+t
    s+='三、荷载参数\n'+f"\t\t柱截面弯矩设计值Mx={p['Mx']}kN.m\n\t\t柱截面弯矩放大系数={F(p['amp'])}\n\t\t柱截面剪力设计值Vc={p['Vc']}kN\n\t\t柱截面轴力设计值Nc={p['N']}kN\n"
    s+='四、计算结果\n'
    for k in ['v_normal','v_shear','v_sc','v_ratio','v_axial']: s+='\t\t'+r[k]+'\n'
    return s
def book_text(r, table):
    p=r['p']; seis=p['seis']!='非抗震'; yb=p['code']!='JGJ'
    s='钢骨混凝土柱截面设计计算书\n项目名称_____________日    期_____________\n设 计 者_____________校 对 者_____________\n'
    s+='一、构件编号: '+p['number']+'\n二、示意图: \n[图: 钢骨混凝土柱截面示意图]\n三、设计依据:\n'
    s+=('\tYB9082-1997《钢骨砼结构设计规程》\n' if yb else '\tJGJ138－2001《型钢砼组合结构技术规程》\n')+'\tGB50010-2002《混凝土结构设计规范》\n'
    s+='四、计算信息:\n'
    s+=f"\t1. 几何参数\n\t\t柱截面宽度b={p['b']}mm\n\t\t柱截面高度h={p['h']}mm\n\t\t柱计算高度Lo={p['l0']}mm\n\t\t柱净高Hn={p['Hn']}mm\n"
    s+=f"\t2. 参数信息\n\t\t型钢等级\t{p['steel']}\n\t\t混凝土等级\t{p['con']}\n\t\t纵筋等级\t{p['port']}\n\t\t箍筋等级\t{p['hoop']}\n"
    s+=f"\t3. 荷载信息\n\t\t截面弯矩设计值M={p['Mx']}kN.m\n\t\t截面弯矩放大系数={F(p['amp'])}\n\t\t截面剪力设计值Vc={p['Vc']}kN\n\t\t截面轴力设计值Nc={p['N']}kN\n"
    s+=f"\t4. 配筋信息\n\t\t角筋直径 {p['Do']}mm\n\t\tx方向分布纵筋直径 {p['Dx']}mm\n\t\tx方向分布纵筋根数 {p['Nx']}mm\n\t\ty方向分布纵筋直径 {p['Dy']}mm\n\t\ty方向分布纵筋根数 {p['Ny']}mm\n\t\t箍筋间距s={p['s']}mm\n"
    s+=f"\t5. 计算信息\n\t\t结构重要性系数γ0={F(p['yo'])}\n\t\t抗震等级  \t{p['seis']}\n\t\t混凝土保护层厚度C={p['c']}mm\n\t6. 型钢表\n"
    s+=table
    h=p['h']; b=p['b']; h0=r['h0']; N=p['N']
    if not yb:
        g=r['g']; gn='γRE' if seis else 'γo'
        s+='五、钢骨混凝土柱正截面验算:\n\t1.计算偏心距\n'
        s+=f"\t\teo=M/N={r['M']:.0f}*10^6/{N}*10^3={E2(r['e0'])}(mm)\n"
        s+=f"\t\tho={F(h)}-{F((r['asp']+r['aa'])/2)}={F(h0)}(mm)\n\t\tea=0.12*(0.3*ho-eo)\n\t\t  =0.12*(0.3*{F(h0)}-{E2(r['e0'])})\n\t\t  ={E2(r['eaF'])}(mm)\n"
        if r['eaF']<r['ea']:
            if h//30>=20: s+=f"\t\tea<h/30,取ea=h/30={F(h)}/30={E2(h//30)}mm\n"
            else: s+="\t\tea<20mm,取ea=20mm\n"
        s+=f"\t\tei=eo+ea={E2(r['e0'])}+{E2(r['ea'])}={E2(r['ei'])}(mm)\n"
        if p['l0']/h>8+1e-6:
            s+=f"\t\tA=b*h={F(b)}*{F(h)}={F(r['A'])}(mm)\n\t\tζ1=0.5*fc*A/N\n\t\t =0.5*{F(r['fc'])}*{F(r['A'])}/({F(N)}*10^3)\n\t\t ={F(r['z1r'])}\n"
            if r['z1r']>1: s+="\t\tζ1>1,取ζ1=1\n"
            s+=f"\t\tζ2=1.15-0.01*lo/h\n\t\t =1.15-0.01*{F(p['l0'])}/{F(h)}\n\t\t ={F(r['z2r'])}\n"
            if r['z2r']>1: s+="\t\tζ2>1,取ζ2=1\n"
            s+=f"\t\t偏心增大系数\n\t\tη=1+(lo/h)^2*ζ1*ζ2/(1400(ei/ho))\n\t\t =1+({p['l0']}/{h})^2*{F(r['z1'])}*{F(r['z2'])}/(1400({E2(r['ei'])}/{F(h0)}))\n\t\t ={F(r['eta'])}\n"
        else:
            s+="\t\tlo/H<8，偏心增大系数η=1\n"
        s+=f"\t\t则:\n\t\te=η*ei+h/2-a\n\t\t ={F(r['eta'])}*{E2(r['ei'])}+{h}/2-{F(r['a'])}\n\t\t={E2(r['e'])}(mm)\n"
        s+=f"\t2.截面受压区高度计算\n\t\t柱截面有效高度ho={F(h0)}(mm)\n\t\t上翼缘至上边缘距离比δ1={F(r['d1'])}\n\t\t下翼缘至上边缘距离比δ2={F(r['d2'])}\n"
        fa=r['fa']; fy=r['fy']; As=r['As']; Aaf=r['Aaf']; tw=p['tw']
        s+=(f"\t\tx=({gn}*N+(δ1+δ2)*tw*ho*fa+fy*As+fa*Aaf-fy'*As'-fa'*Aaf')\n\t\t   /(fc*b+2.5*tw*fa)\n"
            f"\t\t  =({F(g)}*{F(N)}*10^3+({F(r['d1'])}+{F(r['d2'])})*{F(tw)}*{F(h0)}*{F(fa)}+{F(fy)}*{F(As)}+{F(fa)}*{F(Aaf)}-{F(fy)}*{F(As)}-{F(fa)}*{F(Aaf)})\n"
            f"\t\t   /({F(r['fc'])}*{b}+2.5*{F(tw)}*{F(fa)})\n\t\t  ={F(r['xg'])}(mm)\n")
        s+='\t2.截面验算\n'
        xb=r['xib']
        done=False
        if r['large']:
            s+=f"\t\tx={F(r['xg'])}mm<=ξb*ho={F(xb)}*{F(h0)}={F(xb*h0)}(mm)，大偏心！\n"
            if not r['secok']: s+=r['v_normal']; done=True
            else:
                xi=r['xi']
                s+="\t\t当δ1*ho<1.25x,δ2*ho>1.25x时，\n"
                s+=f"\t\tNaw=(2.5ξ-(δ1+δ2))tw*ho*fa\n\t\t   =(2.5*{F(xi)}-({F(r['d1'])}+{F(r['d2'])}))*{F(tw)}*{F(h0)}*{F(fa)})\n\t\t   ={F(r['Naw'])}(kN)\n"
                s+=(f"\t\tMaw=(0.5(δ1^2+δ2^2)-(δ1+δ2)+2.5ξ-(1.25ξ)^2)tw*ho^2*fa\n\t\t   =0.5({F(r['d1'])}^2+{F(r['d2'])}^2)-({F(r['d1'])}+{F(r['d2'])})+2.5*{F(xi)}-(1.25*{F(xi)})^2){F(tw)}*{F(h0)}^2*{F(fa)}\n\t\t   ={F(r['Maw'])}(kN.m)\n")
        else:
            s+=f"\t\tx={F(r['xg'])}mm>ξb*ho={F(xb)}*{F(h0)}={F(xb*h0)}(mm)，小偏心！\n"
            s+="\t\t当δ1*ho<1.25x,δ2*ho<1.25x时，\n"
            s+=f"\t\tNaw=(δ2-δ1)*tw*ho*fa\n\t\t   =({F(r['d2'])}-{F(r['d1'])}))*{F(tw)}*{F(h0)}*{F(fa)})\n\t\t   ={F(r['Naw'])}(kN)\n"
            s+=f"\t\tMaw=(0.5(δ1^2-δ2^2)+(δ2-δ1))tw*ho^2*fa\n\t\t   =(0.5({F(r['d1'])}^2-{F(r['d2'])}^2)+({F(r['d2'])}-{F(r['d1'])}))*{F(tw)}*{F(h0)}^2*{F(fa)}\n\t\t   ={F(r['Maw'])}(kN.m)\n"
            s+=f"\t\tξ={F(r['xi'])}mm\n\t\tx=ξho={F(r['xi'])}*{F(h0)}={F(r['xi']*h0)}(mm)\n"
            if r['cap']: s+=f"\t\tx>h,取x=h={F(h)}mm\n"
            if not r['secok']: s+=r['v_normal']; done=True
            else:
                for nm,fn,f,raw,val in [('s','fy',fy,r['ssr'],r['ss']),('a','fa',fa,r['sar'],r['sa'])]:
                    s+=f"\t\tσ{nm}={fn}*(ξ-0.8)/(ξb-0.8)\n\t\t   ={F(f)}*({F(r['xi'])}-0.8)/({F(xb)}-0.8)\n\t\t   ={F(raw)}(N/mm^2)\n"
                    if raw>f: s+=f"\t\tσ{nm}>{fn},取σ{nm}={fn}={F(val)}(N/mm^2)\n"
                    elif raw<-f: s+=f"\t\tσ{nm}<-{fn},取σ{nm}=-{fn}={F(val)}(N/mm^2)\n"
                s+=f"\t\tNu=fc*x*b+(fy-σs)*As+(fa-σa)*Aaf+Naw\n\t\t  ={F(r['fc'])}*{F(r['x'])}*{b}+({F(fy)}-({F(r['ss'])}))*{F(As)}+({F(fa)}-({F(r['sa'])}))*{F(Aaf)}+({F(r['Naw'])})\n\t\t  ={F(r['Nu'])}(kN)\n"
                s+=f"\t\tγo*N={F(p['yo'])}*{N}={F(r['yoN'])}(kN){'>' if r['Nu']<r['yoN'] else '<='}Nu={F(r['Nu'])}(kN)\n"
        if not done:
            s+=f"\t\t{gn}*N*e={F(g)}*{F(N)}*{E2(r['e'])}={F(r['yNe'])}(kN.m)\n"
            ok=not (r['Mu']<r['yNe'])
            nums=f"\t\t={b}*{F(r['x'])}*({F(h0)}-{F(r['x'])}/2)*{F(r['fc'])}+{F(As)}*({F(h0)}-{F(r['as_'])})*{F(fy)}\n\t\t+{F(Aaf)}*({F(h0)}-{F(r['aa'])})*{F(fa)}+({F(r['Maw'])})\n"
            if ok:
                s+="\t\t<=bx(ho-x/2)fc+A's(ho-a's)f'y+A'af(ho-a'a)f'a+Maw\n"+nums+(f"\t\t={F(r['Mu'])}(kN.m)\n" if seis else f"\t\t={F(r['Mu'])}()\n")
            else:
                s+="\t\t>bx(ho-x/2)fc+A's(ho-a's)f'y+A'af(ho-a'a)f'a+Maw\n"+nums+f"\t\t={F(r['Mu'])}(kN.m)\n"
            s+=r['v_normal']
    else:
        s+='五、钢骨混凝土柱正截面验算(改进简单叠加法):\n\t1.求柱内钢骨所承担的轴力Ncss\n'
        s+=f"\t\tNo=Ncoss+Ncorc\n\t\t  ={F(r['Ncoss'])}+{F(r['Ncorc'])}\n\t\t  ={F(r['No'])}(kN)\n"
        s+=f"\t\tNb=0.4fcbh\n\t\t  =0.4*{F(r['fc'])}*{b}*{h}\n\t\t  ={F(r['Nb'])}(kN)\n"
        s+=f"\t\tNcss=(N-Nb)*Ncoss/(No-Nb)\n\t\t    =({N}-{F(r['Nb'])})*{F(r['Ncoss'])}/({F(r['No'])}-{F(r['Nb'])})\n\t\t    ={F(r['Ncss_raw'])}(kN)\n"
        if r['Ncss_raw']<0: s+="\t\tNcss<0,取Ncss=0\n"
        s+=f"\t2.求钢骨部分的受弯承载力Mcyss\n\t\t绕强轴方向弯曲，取m={F(r['m'])},得\n"
        s+=f"\t\tMcyss=[1-(Ncss/Ncoss)^{F(r['m'])}]Myoss\n\t\t     =[1-({F(r['Ncss'])}/{F(r['Ncoss'])})^{F(r['m'])}]*{F(r['Myoss'])}\n\t\t     ={F(r['Mcyss'])}(kN.m)\n"
        s+="\t3.求外包钢筋混凝土部分的轴力设计值Ncrc和弯矩设计值Mcrc\n"
        s+=f"\t\tNcrc=N-Ncss\n\t\t    ={N}-({F(r['Ncss'])})\n\t\t    ={F(r['Ncrc'])}(kN)\n"
        s+=f"\t\tMcrc=Mx-Mcyss\n\t\t    ={F(r['M'])}-({F(r['Mcyss'])})\n\t\t    ={F(r['Mcrc_raw'])}(kN)\n"
        if r['Mcrc_raw']<0: s+="\t\tMcrc<0,取Mcrc=0\n"
        s+=f"\t4.求外包钢筋混凝土部分的竖向钢筋\n\t\teo=Mcrc/Ncrc={E2(r['e0'])}(mm)\n"
        xbh=r['xib']*h0
        if r['large']:
            s+=f"\t\t因为x={F(r['xg'])}(mm)≤ξb*ho={F(xbh)}mm,故按大偏心受压计算。\n"
            if r['about']: s+=f"\t\t因为x={F(r['xg'])}(mm)<2as={F(2*r['as_'])}mm,故对受压钢筋合力点取矩,e'=η*ei-h/2+as={E2(r['ep'])}(mm)。\n"
        else:
            s+=f"\t\t因为x={F(r['xg'])}(mm)＞ξb*ho={F(xbh)}mm,故按小偏心受压计算。\n"
        s+=f"\t\t采用对称配筋，并取η={F(r['eta'])}，求得：\n\t\tAs=A's={F(r['As'])}mm^2\n\t\t实际单边配筋面积为{F(r['AsR'])}mm^2\n"
        if r['AsR']<r['As']: s+="\t\t请增大配筋面积！\n"
    # shear
    s+='六、钢骨混凝土柱斜截面验算:\n\t1.截面剪力设计值\n'+f"\t\t柱的剪力设计值Vc={p['Vc']}kN\n"
    gv=r['gv']; fyv=r['fyv']; lam=r['lam']
    if yb:
        s+=f"\t\t型钢部分受剪承载力\n\t\tVcyss=fssv*tw*hw\n\t\t     ={F(r['fssv'])}*{F(p['tw'])}*{F(r['hw'])}\n\t\t     ={F(r['Vcyss'])}(kN)\n"
        s+=("\t\t钢筋混凝土剪力设计值\n\t\tVcurc=γRE*Vc-Vcyss\n" if seis else "\t\t钢筋混凝土剪力设计值\n\t\tVcurc=γo*Vc-Vcyss\n")
        s+=f"\t\t     ={F(gv)}*{p['Vc']}-{F(r['Vcyss'])}\n\t\t     ={F(r['Vcurc'])}(kN)\n\t2.计算配箍面积\n"
        kc,kn=('0.16','0.056') if seis else ('0.2','0.07')
        s+=f"\t\t箍筋配筋面积\n\t\tAsv=s*(Vcurc-{kc}*fc*b*hco/(λ+1.5)-{kn}Ncrc)/(fyv*ho)\n"
        s+=f"\t\t     ={p['s']}*({F(r['Vcurc']*1000)}-{kc}*{F(r['fc'])}*{b}*{F(h0)}/({F(lam)}+1.5)\n\t\t      -{kn}*{F(r['Ncp']*1000)})/({F(fyv)}*{F(h0)})\n\t\t     ={F(r['Asv'])}(mm2)\n"
    else:
        s+=("\t\t钢筋混凝土剪力设计值\n\t\tVcrc=γRE*Vc-0.58*fa*tw*hw/λ\n" if seis else "\t\t钢筋混凝土剪力设计值\n\t\tVcrc=γo*Vc-0.58*fa*tw*hw/λ\n")
        s+=f"\t\t   ={F(gv)}*{F(p['Vc'])}-0.58*{F(r['fa'])}*{F(p['tw'])}*{F(r['hw'])}/{F(lam)}={F(r['Vcrc'])}(kN)\n\t2.计算配箍面积\n"
        if seis:
            s+=f"\t\t箍筋配筋面积\n\t\tAsv=s*(Vcrc-0.16*fc*b*ho/(λ+1.5)-0.056N)/(0.8*fyv*ho)\n\t\t    ={p['s']}*({F(r['Vcrc']*1000)}-0.16*{F(r['fc'])}*{b}*{F(h0)}/({F(lam)}+1.5)-0.056*{F(r['Np']*1000)})/(0.8*{F(fyv)}*{F(h0)})\n\t\t    ={F(r['Asv'])}(mm2)\n"
        else:
            s+=f"\t\t箍筋配筋面积\n\t\tAsv=s*(Vcrc-0.2*fc*b*ho/(λ+1.5)-0.07N)/(fyv*ho)\n\t\t    ={p['s']}*({F(r['Vcrc']*1000)}-0.2*{F(r['fc'])}*{b}*{F(h0)}/({F(lam)}+1.5)-0.07*{F(r['Np']*1000)})/({F(fyv)}*{F(h0)})\n\t\t    ={F(r['Asv'])}(mm2)\n"
    s+=f"\t\t实际箍筋配筋面积\n\t\tAsvR=n*π*dv^2/4={p['hy']}*π*{p['dv']}^2/4\n\t\t    ={F(r['AsvR'])}(mm2)\n\t\t{r['v_shear']}\n"
    # shear compression
    s+='七、钢骨混凝土柱剪压比验算:\n'
    V=r['Vcurc'] if yb else r['Vcrc']; vn='Vcurc' if yb else 'Vcrc'; B=r['bfch0']; fc=r['fc']
    def cmp(lhs,val,k):
        lim=k*B; f=val>lim
        t=f"{lhs}{'>' if f else '<='}{F(k)}fc*b*ho\n\t\t   ={F(k)}*{F(fc)}*{b}*{F(h0)}={F(lim)}(kN)\n"
        if f: t+="\t\t剪压比验算不满足条件！\n"
        return t
    if not seis:
        s+=cmp(f"\t\tYo*Vc={F(p['yo'])}*{F(p['Vc'])}={F(r['yVc'])}(kN)",r['yVc'],0.45)
        s+=cmp(f"\t\t{vn}={F(V)}(kN)",V,0.25)
    elif r['capfail']:
        if yb: s+=f"\t\tYRE*Vc=0.85*{F(p['Vc'])}\n\t\t    >0.36fc*b*ho=0.36*{F(fc)}*{b}*{F(h0)}={F(0.36*B)}(kN)\n"
        else: s+=f"\t\tYRE*Vc=0.85*{F(p['Vc'])}={F(r['yVc'])}(kN)\n\t\t    >0.36fc*b*ho=0.36*{F(fc)}*{b}*{F(h0)}={F(0.36*B)}(kN)\n"
        s+="\t\t剪压比验算不满足条件！\n"
    else:
        s+=cmp(f"\t\tYRE*Vc=0.85*{F(p['Vc'])}={F(r['yVc'])}(kN)",r['yVc'],0.36)
        s+=cmp(f"\t\t{vn}={F(V)}(kN)",V,0.15 if lam<=2+1e-6 else 0.2)
    s+='八、钢骨混凝土柱轴压比验算:\n'
    if (not seis) or p['seis']=='四级抗震':
        s+="\t\t非抗震和四级抗震不需要验算轴压比。\n"
    else:
        if r['nlim']<r['ntab']: s+=f"\t\tλ={F(lam)}≤2,轴压比限值[n]={F(r['ntab'])}-0.05={F(r['nlim'])}\n"
        nums=f"={F(N*1000)}/({F(fc)}*{F(r['A'])}+{F(r['fa'])}*{F(r['Aa'])})={F(r['n'])}"
        if r['nlim']>r['n']:
            s+=(f"\t\t轴压比\n\t\tn=N/(fc*Ac+fss*Ass){nums}<{F(r['nlim'])}\n" if yb else f"\t\t轴压比\n\t\tn=N/(fc*Ac+fa*Aa){nums}<{F(r['nlim'])}\n")+"\t\t轴压比验算满足要求！\n"
        else:
            s+=(f"\t\t轴压比\n\t\tn=N/(fc*Ac+fss+Ass){nums}>{F(r['nlim'])}\n" if yb else f"\t\t轴压比\n\t\tn=N/(fc*Ac+fa+Aa){nums}>{F(r['nlim'])}\n")
    return s

# The I40b's row of GB/T 706-2016 as the book's section table prints it.
I40B = ("参  数\t参数值\n型号\tI40b\nh(mm)\t400\nb(mm)\t144\ntw(mm)\t12.5\nt(mm)\t16.5\nr(mm)\t12.5\nr1(mm)\t6.3\n"
        "A(cm2)\t94.07\n理论重量(kg/m)\t73.8\nIx(cm4)\t22800\nWx(cm3)\t1140\nix(cm)\t15.6\nIy(cm4)\t692\nWy(cm3)\t96.2\n"
        "iy(cm)\t2.71\n")

CASES = {
    'jgj_default': {},
    'yb_default': dict(code='YB'),
    'jgj_seismic_large_wall': dict(seis='二级抗震', struct='框架—剪力墙', N=6000, Mx=3000, Vc=800),
    'jgj_small': dict(N=15000, Mx=100, Vc=300),
    'jgj_seismic_small_transfer': dict(seis='一级抗震', struct='框支结构', N=12000, Mx=800, Vc=2000, l0=6000),
    'jgj_fourth_shear_cap': dict(seis='四级抗震', Vc=6000, Mx=5000),
    'yb_seismic_tube': dict(code='YB', seis='二级抗震', struct='框架—筒体', N=3000, Mx=1500, Vc=1500),
    'yb_small_frame': dict(code='YB', seis='三级抗震', N=9000, Mx=500, Vc=600),
    'yb_about_bars': dict(code='YB', Mx=1500),
    'yb_shear_cap': dict(code='YB', seis='一级抗震', Vc=6000, N=6000),
}


def texts(kw):
    r = calc(**kw)
    return sub(book_text(r, I40B)), sub(result_text(r))


def check():
    import difflib, os
    here = os.path.dirname(os.path.abspath(__file__))
    bad = 0
    for name, kw in CASES.items():
        for kind, text in zip(('book', 'result'), texts(kw)):
            path = os.path.join(here, name + '_' + kind + '.txt')
            actual = open(path, encoding='utf-8').read()
            if actual != text:
                bad += 1
                print('DIFF', path)
                for line in difflib.unified_diff(text.split('\n'), actual.split('\n'), 'reference', 'golden', lineterm='', n=1):
                    print(line)
    print('all %d golden files agree' % (2 * len(CASES)) if not bad else '%d files differ' % bad)
    return bad == 0


def parse(args):
    kw = {}
    for a in args:
        k, v = a.split('=', 1)
        d = DEFAULTS.get(k, '')
        kw[k] = v if isinstance(d, str) else (float(v) if isinstance(d, float) else int(v))
    return kw


if __name__ == '__main__':
    what = sys.argv[1] if len(sys.argv) > 1 else 'check'
    if what == 'check':
        sys.exit(0 if check() else 1)
    kw = parse(sys.argv[2:])
    if what == 'json':
        r = calc(**kw)
        r.pop('p')
        print(json.dumps(r, ensure_ascii=False, indent=1, default=str))
    else:
        b, res = texts(kw)
        print(b if what == 'book' else res, end='')
