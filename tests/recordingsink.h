#pragma once

#include "run.h"

#include <string>
#include <vector>

// Keeps everything a run hands over, in order.
struct RecordingSink : solver::RunSink {
    struct Dot {
        double x;
        double y;
        solver::Colour colour;
    };
    std::vector<Dot> dots;
    std::vector<std::string> rows;
    std::vector<char> events; // 'd' for a dot, 'r' for a row

    void PlotDot(double x, double y, solver::Colour colour) override {
        dots.push_back({x, y, colour});
        events.push_back('d');
    }
    void AddResultRow(const solver::ResultRow& row) override {
        rows.push_back(row.text());
        events.push_back('r');
    }
};
