// Shared by the grid and navigator tests: a shown form holding a chart data grid, a series
// type with a third value list (Z), and key and mouse input sent through Qt to a control.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/grid/ChartGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

struct FreeObj {
    void operator()(TObject* o) const { FreeObject(o); }
};

// The grid with its protected cell operations in reach.
class TTestChartGrid : public TChartGrid {
public:
    explicit TTestChartGrid(TComponent* AOwner) : TChartGrid(AOwner) {}
    using TCustomChartGrid::GetEditText;
    using TCustomChartGrid::SetEditText;
    String Cell(int ACol, int ARow) { return GetEditText(ACol, ARow); }
};

// A series with X, Y and Z lists.
class TXYZSeries : public TChartSeries {
public:
    explicit TXYZSeries(TComponent* AOwner) : TChartSeries(AOwner) {
        Z = new TChartValueList(this, QStringLiteral("Z"));
        SetHasZValues(true);
    }
    void AddXYZ(double X, double Y, double ZValue) {
        const int i = AddXY(X, Y);
        Z->SetValue(i, ZValue);
    }
    TChartValueList* Z;
};

inline void SendKey(TWinControl* Target, int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier,
                    const QString& Text = QString()) {
    QWidget* w = Target->Widget();
    QKeyEvent down(QEvent::KeyPress, QtKey, Mods, Text);
    QCoreApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, QtKey, Mods, Text);
    QCoreApplication::sendEvent(w, &up);
}

inline void SendMouse(TWinControl* Target, QEvent::Type Type, int X, int Y) {
    QWidget* w = Target->Widget();
    const QPointF local(X, Y);
    const Qt::MouseButtons held = Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(Type, local, local, w->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A shown form with a chart (not shown) and a grid on the form.
struct GridFixture : ::testing::Test {
    std::unique_ptr<TForm, FreeObj> form{new TForm(nullptr, 0)};
    TChart* chart = nullptr;
    TTestChartGrid* grid = nullptr;
    QStringList edits;

    void SetUp() override {
        form->SetClientSize(500, 400);
        chart = new TChart(form.get());
        grid = new TTestChartGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 400, 300);
        grid->OnSetEditText = TSetEditEvent([this](TObject*, int c, int r, const String& v) {
            edits << QStringLiteral("%1,%2=%3").arg(c).arg(r).arg(v);
        });
        form->Show();
        grid->SetFocus();
    }
    // A series of the chart, owned by the form.
    template <class S = TChartSeries> S* AddSeries() {
        auto* s = new S(form.get());
        chart->AddSeries(s);
        return s;
    }
    TWinControl* target() const {
        return grid->EditorMode() && grid->InplaceEditor() ? static_cast<TWinControl*>(grid->InplaceEditor())
                                                           : static_cast<TWinControl*>(grid);
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = QString()) {
        SendKey(target(), k, m, text);
    }
    // Types digits, signs, separators and letters one key each.
    void type(const QString& s) {
        for (QChar ch : s) {
            int k = Qt::Key_A + (ch.toUpper().unicode() - 'A');
            if (ch.isDigit()) k = Qt::Key_0 + (ch.unicode() - '0');
            if (ch == QLatin1Char(',')) k = Qt::Key_Comma;
            if (ch == QLatin1Char('.')) k = Qt::Key_Period;
            if (ch == QLatin1Char('-')) k = Qt::Key_Minus;
            key(k, Qt::NoModifier, QString(ch));
        }
    }
};
