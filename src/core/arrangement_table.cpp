#include "core/arrangement_table.h"

namespace tavrel {

// Numbers 1 to 8 and 28 use ASCII parentheses, 11 to 18 full-width ones;
// menu item 9 has a leading zero, its button hint none.
const std::array<ArrangementEntry, 29> kArrangements = {{
    {1, L"bbtTop", L"向上", L" 1.上边(左→右) ", L"Top", L" 1.上边(左→右) "},
    {2, L"bbtTop2", L"向上", L" 2.上边(右→左) ", L"Top2", L" 2.上边(右→左)"},
    {3, L"bbtBottom", L"向下", L" 3.下边(左→右) ", L"Bottom", L" 3.下边(左→右)"},
    {4, L"bbtBottom2", L"向下", L" 4.下边(右→左) ", L"Bottom2", L" 4.下边(右→左)"},
    {5, L"bbtLeft", L"向左", L" 5.左边(上→下) ", L"Left", L" 5.左边(上→下)"},
    {6, L"bbtLeft2", L"向左", L" 6.左边(下→上) ", L"Left2", L" 6.左边(下→上)"},
    {7, L"bbtRight", L"向右", L" 7.右边(上→下) ", L"Right", L" 7.右边(上→下)"},
    {8, L"bbtRight2", L"向右", L" 8.右边(下→上) ", L"Right2", L" 8.右边(下→上)"},
    {9, L"bbtVLine", L"横线", L"9.横线", L"VLine", L"09.横线"},
    {10, L"bbtRLine", L"竖线", L"10.竖线", L"RLine", L"10.竖线"},
    {11, L"bbtLineTop", L"斜线", L"11.斜线（左上）", L"LineTop", L"11.斜线（左上）"},
    {12, L"bbtLineBottom", L"斜线", L"12.斜线（左下）", L"LineBottom", L"12.斜线（左下）"},
    {13, L"bbtRDoubleLine", L"平行线", L"13.平行（左右）", L"RDoubleLine", L"13.平行线（左右）"},
    {14, L"bbtVDoubleLine", L"平行线", L"14.平行线（上下）", L"VDoubleLine", L"14.平行线（上下）"},
    {15, L"bbtTriangle", L"三角形", L"15.三角形", L"Triangle", L"15.三角形"},
    {16, L"bbtSquare", L"正方形", L"16.正方形", L"Square", L"16.正方形"},
    {17, L"bbtRect", L"矩形", L"17.矩形（上→下）", L"Rect", L"17.矩形（上→下）"},
    {18, L"bbtRect2", L"矩形", L"18.矩形（左→右）", L"Rect2", L"18.矩形（左→右）"},
    {19, L"bbtSHalfCircle", L"上半圆", L"19.上半圆", L"SHalfCircle", L"19.上半圆"},
    {20, L"bbtXHalfCircle", L"下半圆", L"20.下半圆", L"XHalfCircle", L"20.下半圆"},
    {21, L"bbtCircle", L"圆形", L"21.圆形", L"Circle", L"21.圆形"},
    {22, L"bbtEllipse", L"椭圆", L"22.椭圆形", L"Circle2", L"22.椭圆形"},
    {23, L"bbtTenLine", L"十字架", L"23.十字架型", L"TenLine", L"23.十字形"},
    {24, L"bbtTaiJi", L"太极", L"24.太极图", L"TaiJi", L"24.太极图"},
    {25, L"bbtSpiral", L"螺旋", L"25.螺旋线", L"Spiral", L"25.螺旋线"},
    {26, L"bbtLoveXin", L"心形", L"26.心形图", L"LoveXin", L"26.心形图"},
    {27, L"bbtDoubleLoveXin", L"心心相印 ", L"27.心心相印", L"DoubleLoveXin", L"27.心心相印"},
    {28, L"bbtDoubleLoveXin2", L"心心相印 ", L"28.心心相印(交叉)", L"DoubleLoveXin2",
     L"28.心心相印(交叉)"},
    {29, L"bbtDigitalTime", L"数字时钟", L"数字时钟", L"DigitalTime", L"29.数字时钟"},
}};

}  // namespace tavrel
