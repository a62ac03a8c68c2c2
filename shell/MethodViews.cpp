#include "shell/MethodViews.h"

#include <QCoreApplication>

#include "shell/ResamUnit.h"

namespace {
using F = TResamForm;

constexpr TMethodView Rows[] = {
    {&F::N31, &F::N31Click, QT_TRANSLATE_NOOP("TResamForm", "Ряд Котельникова"), false,
     QT_TRANSLATE_NOOP("TResamForm", "Ряд Котельникова - Кварнел, Тармин, 2015г."), &F::ImageKot, "ImageKot",
     QT_TRANSLATE_NOOP("TResamForm", "Кот.")},
    {&F::N33, &F::N33Click, QT_TRANSLATE_NOOP("TResamForm", "Многочлен Лагранжа"), false,
     QT_TRANSLATE_NOOP("TResamForm", "Интерполяционный многочлен Лагранжа - Кварнел, Тармин, 2015г."), nullptr, nullptr,
     QT_TRANSLATE_NOOP("TResamForm", "Лагр.")},
    {&F::N35, &F::N35Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная кусочно-полиномиальная, порядок: 0"), true,
     QT_TRANSLATE_NOOP("TResamForm", "Локальная полиномиальная интерполяция, порядок: 0 - Кварнел, Тармин, 2015г."),
     &F::ImagePol0, "ImagePol0", QT_TRANSLATE_NOOP("TResamForm", "П0")},
    {&F::N36, &F::N36Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная кусочно-полиномиальная, порядок: 1"), false,
     QT_TRANSLATE_NOOP("TResamForm", "Локальная полиномиальная интерполяция, порядок: 1 - Кварнел, Тармин, 2015г."),
     &F::ImagePol1, "ImagePol1", QT_TRANSLATE_NOOP("TResamForm", "П1")},
    {&F::N212, &F::N212Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная кусочно-полиномиальная, порядок: 2"), false,
     QT_TRANSLATE_NOOP("TResamForm", "Локальная полиномиальная интерполяция, порядок: 2 - Кварнел, Тармин, 2015г."),
     &F::ImagePol2, "ImagePol2", QT_TRANSLATE_NOOP("TResamForm", "П2")},
    {&F::N312, &F::N312Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная кусочно-полиномиальная, порядок: 3"), false,
     QT_TRANSLATE_NOOP("TResamForm", "Локальная полиномиальная интерполяция, порядок: 3 - Кварнел, Тармин, 2015г."),
     &F::ImagePol3, "ImagePol3", QT_TRANSLATE_NOOP("TResamForm", "П3")},
    {&F::N111, &F::N111Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная сплайновая, порядок: 1, степень гладкости: 1"),
     true,
     QT_TRANSLATE_NOOP("TResamForm",
                       "Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 1 - Кварнел, Тармин, 2015г."),
     &F::ImageSpl11, "ImageSpl11", QT_TRANSLATE_NOOP("TResamForm", "С1,1")},
    {&F::N211, &F::N211Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная сплайновая, порядок: 2, степень гладкости: 1"),
     false,
     QT_TRANSLATE_NOOP("TResamForm",
                       "Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 1 - Кварнел, Тармин, 2015г."),
     &F::ImageSpl21, "ImageSpl21", QT_TRANSLATE_NOOP("TResamForm", "С2,1")},
    {&F::N311, &F::N311Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная сплайновая, порядок: 3, степень гладкости: 1"),
     false,
     QT_TRANSLATE_NOOP("TResamForm",
                       "Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 1 - Кварнел, Тармин, 2015г."),
     &F::ImageSpl31, "ImageSpl31", QT_TRANSLATE_NOOP("TResamForm", "С3,1")},
    {&F::N121, &F::N121Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная сплайновая, порядок: 1, степень гладкости: 2"),
     false,
     QT_TRANSLATE_NOOP("TResamForm",
                       "Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 2 - Кварнел, Тармин, 2015г."),
     &F::ImageSpl12, "ImageSpl12", QT_TRANSLATE_NOOP("TResamForm", "С1,2")},
    {&F::N221, &F::N221Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная сплайновая, порядок: 2, степень гладкости: 2"),
     false,
     QT_TRANSLATE_NOOP("TResamForm",
                       "Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 2 - Кварнел, Тармин, 2015г."),
     &F::ImageSpl22, "ImageSpl22", QT_TRANSLATE_NOOP("TResamForm", "С2,2")},
    {&F::N321, &F::N321Click, QT_TRANSLATE_NOOP("TResamForm", "Локальная сплайновая, порядок: 3, степень гладкости: 2"),
     false,
     QT_TRANSLATE_NOOP("TResamForm",
                       "Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 2 - Кварнел, Тармин, 2015г."),
     &F::ImageSpl32, "ImageSpl32", QT_TRANSLATE_NOOP("TResamForm", "С3,2")},
};
static_assert(std::size(Rows) == MethodCount, "one row per method");
}  // namespace

const TMethodView& MethodView(TMethod method) { return Rows[method]; }

std::span<const TMethodView> MethodViews() { return Rows; }

QString MethodText(const char* text) { return QCoreApplication::translate(TResamForm::TextContext, text); }
