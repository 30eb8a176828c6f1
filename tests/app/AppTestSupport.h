// Shared pieces of the application model's tests: file contents, an environment variable set
// for a test's lifetime, and a curve series that records what the channel does to it.
#pragma once

#include "app/ChipTuningChannel.h"
#include "tests/support/TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string>
#include <utility>
#include <vector>

// Sets (or, with an empty value, removes) an environment variable until destroyed.
class TEnvOverride {
public:
    TEnvOverride(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)) {
        if (had_) old_ = qgetenv(name);
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~TEnvOverride() {
        if (had_)
            qputenv(name_.c_str(), old_);
        else
            qunsetenv(name_.c_str());
    }
    TEnvOverride(const TEnvOverride&) = delete;
    TEnvOverride& operator=(const TEnvOverride&) = delete;

private:
    std::string name_;
    bool had_;
    QByteArray old_;
};

// A series of (x, y) points with a linear scale to the screen (x: 100 pixels per volt from
// 10, y: 100 pixels per volt down from 300) and an optional canvas; counts refreshes.
class TFakeCurveSeries : public ICurveSeries {
public:
    void Clear() override { Points.clear(); }
    void AddXY(double x, double y) override { Points.emplace_back(x, y); }
    int Count() const override { return int(Points.size()); }
    double XValue(int index) const override { return Points.at(std::size_t(index)).first; }
    double YValue(int index) const override { return Points.at(std::size_t(index)).second; }
    int CalcXPosValue(double x) const override { return 10 + int(x * 100); }
    int CalcYPosValue(double y) const override { return 300 - int(y * 100); }
    void RefreshSeries() override { ++Refreshes; }
    void Repaint() override { ++Repaints; }
    TCanvas* ChartCanvas() const override { return Canvas; }

    std::vector<std::pair<double, double>> Points;
    int Refreshes = 0;
    int Repaints = 0;
    TCanvas* Canvas = nullptr;
};
