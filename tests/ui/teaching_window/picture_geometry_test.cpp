// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// Where the two pictures of the teaching window put things, checked without painting.

#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QtTest>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "core/model.hpp"
#include "ui/teaching_window/experiments/experiments_geometry.hpp"
#include "ui/teaching_window/pictures/label_placement.hpp"
#include "ui/teaching_window/pictures/plot_geometry.hpp"
#include "ui/teaching_window/run_page/histogram_geometry.hpp"
#include "ui/teaching_window/run_page/share_chart_geometry.hpp"

namespace {

using Point = core::RunStatistics::Point;

std::vector<Point> pointsOf(const QList<qint64>& ticks, const QList<qint64>& overloads) {
    std::vector<Point> points;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        points.push_back({ticks[i], overloads[i]});
    }
    return points;
}

std::optional<double> expectedOf(double percent) {
    return percent < 0 ? std::nullopt : std::optional<double>(percent);
}

// The bars as text, so that a failure shows them all.
QString describe(const std::vector<ui::Bar>& bars) {
    QStringList parts;
    for (const ui::Bar& bar : bars) {
        parts << QStringLiteral("%1-%2:%3:%4")
                     .arg(bar.first)
                     .arg(bar.last)
                     .arg(bar.mean)
                     .arg(bar.overload ? QLatin1String("o") : QLatin1String("n"));
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

class PictureGeometryTest : public QObject {
    Q_OBJECT

  private slots:
    void niceStepIsOneTwoOrFiveTimesAPowerOfTen_data() {
        QTest::addColumn<double>("span");
        QTest::addColumn<int>("divisions");
        QTest::addColumn<double>("step");
        QTest::newRow("exactly ten parts of one") << 10.0 << 10 << 1.0;
        QTest::newRow("rough 1.4 rounds up to 2") << 7.0 << 5 << 2.0;
        QTest::newRow("rough 4 rounds up to 5") << 20.0 << 5 << 5.0;
        QTest::newRow("rough 6 rounds up to the next power") << 30.0 << 5 << 10.0;
        QTest::newRow("large spans") << 12345.0 << 4 << 5000.0;
        QTest::newRow("fractions of one") << 0.3 << 3 << 0.1;
        QTest::newRow("zero span") << 0.0 << 5 << 1.0;
        QTest::newRow("negative span") << -10.0 << 5 << 1.0;
        QTest::newRow("no divisions") << 10.0 << 0 << 1.0;
        QTest::newRow("negative divisions") << 10.0 << -3 << 1.0;
    }
    void niceStepIsOneTwoOrFiveTimesAPowerOfTen() {
        QFETCH(double, span);
        QFETCH(int, divisions);
        QFETCH(double, step);
        QCOMPARE(ui::niceStep(span, divisions), step);
    }

    // Every axis labels three values at least, its text shrunk where the plot is small, and
    // no label runs into the one before it or into the axis's title.
    void axesKeepThreeLabels_data() {
        QTest::addColumn<bool>("across");
        QTest::addColumn<int>("pixels");  // the plot's width or height
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("last");  // across the last value, up the highest
        QTest::addColumn<double>("offset");
        QTest::addColumn<int>("least");
        QTest::addColumn<bool>("fullSize");
        // Labels 8 pixels a character and lines 16 high; the title across is 65 wide.
        QTest::newRow("draws side by side at double scale")
            << true << 173 << 0.0 << 29655.0 << 0.0 << 3 << false;
        QTest::newRow("draws on a wide plot") << true << 800 << 0.0 << 29655.0 << 0.0 << 3 << true;
        QTest::newRow("thirty classes") << true << 130 << 1.0 << 30.0 << -0.5 << 3 << false;
        QTest::newRow("overselling percentages") << true << 120 << 0.0 << 99.0 << 0.0 << 3 << false;
        QTest::newRow("demands") << true << 400 << 0.0 << 110.0 << 0.5 << 3 << true;
        QTest::newRow("two classes") << true << 173 << 1.0 << 2.0 << -0.5 << 2 << false;
        QTest::newRow("shares two lines high") << false << 32 << 0.0 << 20.0 << 0.0 << 3 << true;
        QTest::newRow("shares a line and a half high")
            << false << 24 << 0.0 << 20.0 << 0.0 << 3 << false;
        QTest::newRow("counts a line high") << false << 16 << 0.0 << 6000.0 << 0.0 << 3 << false;
    }
    void axesKeepThreeLabels() {
        QFETCH(bool, across);
        QFETCH(int, pixels);
        QFETCH(double, first);
        QFETCH(double, last);
        QFETCH(double, offset);
        QFETCH(int, least);
        QFETCH(bool, fullSize);
        constexpr int kLine = 16;
        const auto width = [](double value) { return 8 * int(QString::number(value).size()); };
        double scale = 1;
        std::vector<std::pair<double, double>> labels;  // from and to, along the axis
        if (across) {
            const ui::AcrossRange range{first, last, 0, pixels / (last - first + 1), offset};
            const ui::AcrossAxis axis = ui::acrossAxis(range, width, 65, pixels, kLine, 6);
            scale = axis.textScale;
            for (std::size_t i = 0; i < axis.labelled; ++i) {
                const double half = width(axis.values[i]) * scale / 2;
                labels.emplace_back(range.xOf(axis.values[i]) - half,
                                    range.xOf(axis.values[i]) + half);
            }
            QVERIFY(labels.empty() || labels.back().second <= pixels - 65 * scale);
        } else {
            const QRect plot(0, 0, 50, pixels);
            const ui::ValueLabels axis = ui::valueLabels(
                plot, kLine, [&](int line) { return ui::valueAxis(last, pixels, line, 100000); });
            scale = axis.textScale;
            for (const double value : axis.values) {
                const double y = pixels * value / axis.axis.top;
                labels.emplace_back(y - kLine * scale / 2, y + kLine * scale / 2);
            }
        }
        QVERIFY2(labels.size() >= std::size_t(least), qPrintable(QString::number(labels.size())));
        for (std::size_t i = 1; i < labels.size(); ++i) {
            QVERIFY(labels[i].first >= labels[i - 1].second - 1e-9);
        }
        QCOMPARE(scale == 1, fullSize);
    }

    // A picture on a large screen writes larger, as wide as its width allows and no taller
    // than its height does; never smaller than the window.
    void pictureTextGrowsWithTheScreen_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("scale");
        QTest::newRow("a projector's window") << QSize(1000, 300) << 1.0;
        QTest::newRow("a large screen by its width") << QSize(1800, 400) << 1.5;
        QTest::newRow("a low picture by its height") << QSize(1800, 288) << 1.5;
        QTest::newRow("a wide strip") << QSize(1800, 120) << 1.0;
    }
    void pictureTextGrowsWithTheScreen() {
        QFETCH(QSize, size);
        QFETCH(double, scale);
        QCOMPARE(ui::pictureTextScale(size, 16), scale);
    }

    void shareAxisTopMakesRoom_data() {
        QTest::addColumn<QList<qint64>>("ticks");
        QTest::addColumn<QList<qint64>>("overloads");
        QTest::addColumn<double>("expected");  // negative: none
        QTest::addColumn<double>("top");
        QTest::newRow("nothing at all: five") << QList<qint64>{} << QList<qint64>{} << -1.0 << 5.0;
        // 20 · 1.6 = 32, to a whole step of 10.
        QTest::newRow("expected share and its band")
            << QList<qint64>{} << QList<qint64>{} << 20.0 << 40.0;
        // 2 + 4 = 6 beats 2 · 1.6 and 5.
        QTest::newRow("a small expected share with its margin")
            << QList<qint64>{} << QList<qint64>{} << 2.0 << 6.0;
        QTest::newRow("measured above the expected")
            << QList<qint64>{100} << QList<qint64>{50} << 10.0 << 50.0;
        QTest::newRow("the wild first twentieth ignored")
            << QList<qint64>{1, 4, 100} << QList<qint64>{1, 2, 10} << -1.0 << 10.0;
        QTest::newRow("the twentieth's own tick counts")
            << QList<qint64>{5, 100} << QList<qint64>{3, 10} << -1.0 << 60.0;
        QTest::newRow("the only tick counts")
            << QList<qint64>{1} << QList<qint64>{1} << -1.0 << 100.0;
        // 90 · 1.6 = 144, a whole step above it is 160.
        QTest::newRow("never above 100") << QList<qint64>{} << QList<qint64>{} << 90.0 << 100.0;
    }
    void shareAxisTopMakesRoom() {
        QFETCH(QList<qint64>, ticks);
        QFETCH(QList<qint64>, overloads);
        QFETCH(double, expected);
        QFETCH(double, top);
        const std::vector<Point> points = pointsOf(ticks, overloads);
        QCOMPARE(ui::shareAxisTop(points, Point{0, 0}, expectedOf(expected)), top);
        // The same with the last point apart from the kept ones, as thinning leaves it.
        const std::span<const Point> kept(points.data(), points.empty() ? 0 : points.size() - 1);
        const Point latest = points.empty() ? Point{0, 0} : points.back();
        QCOMPARE(ui::shareAxisTop(kept, latest, expectedOf(expected), std::nullopt), top);
    }

    void shareAxesSpanAtLeastTenTicks_data() {
        QTest::addColumn<qint64>("ticks");
        QTest::addColumn<double>("xMax");
        QTest::newRow("no ticks") << qint64{0} << 10.0;
        QTest::newRow("three ticks") << qint64{3} << 10.0;
        QTest::newRow("many ticks") << qint64{4321} << 4321.0;
    }
    void shareAxesSpanAtLeastTenTicks() {
        QFETCH(qint64, ticks);
        QFETCH(double, xMax);
        const std::vector<Point> points =
            ticks > 0 ? std::vector<Point>{{ticks, 0}} : std::vector<Point>{};
        QCOMPARE(ui::shareAxes(QRect(0, 0, 100, 100), points, 5).xMax, xMax);
    }

    void measuredPathPlacesTheShareOfEachPoint_data() {
        QTest::addColumn<qint64>("tick");
        QTest::addColumn<qint64>("overloads");
        QTest::addColumn<QPointF>("at");
        // The plot runs from x 10 across 100 pixels and from y 119 up 100; 100 ticks by 50 %.
        QTest::newRow("half way both ways") << qint64{40} << qint64{10} << QPointF(50, 69);
        QTest::newRow("a share above the top at the top")
            << qint64{100} << qint64{80} << QPointF(110, 19);
        QTest::newRow("no overloads on the bottom") << qint64{25} << qint64{0} << QPointF(35, 119);
    }
    void measuredPathPlacesTheShareOfEachPoint() {
        QFETCH(qint64, tick);
        QFETCH(qint64, overloads);
        QFETCH(QPointF, at);
        const ui::ShareAxes axes{QRect(10, 20, 100, 100), 100, 50};
        const std::vector<Point> points{{tick, overloads}};
        QCOMPARE(ui::measuredPath(axes, points), QPolygonF({at}));
    }

    void bandOutlineFollowsTheCoreBand_data() {
        QTest::addColumn<QRect>("plot");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("samples");
        QTest::addColumn<double>("lastTick");
        // x 11, 14, ... 107, then 110 clipped to the right edge 109, which is tick 99.
        QTest::newRow("last sample clipped")
            << QRect(10, 0, 100, 100) << 100.0 << 30.0 << 34 << 99.0;
        // x 11, 14, ... 110, the right edge itself.
        QTest::newRow("last sample on the edge")
            << QRect(10, 0, 101, 100) << 101.0 << 30.0 << 34 << 100.0;
        // Tick 1 is at x 15; 15, 18, ... 108, then 109.
        QTest::newRow("few ticks, wide ones")
            << QRect(10, 0, 100, 100) << 20.0 << 50.0 << 33 << 19.8;
    }
    void bandOutlineFollowsTheCoreBand() {
        QFETCH(QRect, plot);
        QFETCH(double, xMax);
        QFETCH(double, expected);
        QFETCH(int, samples);
        QFETCH(double, lastTick);
        const ui::ShareAxes axes{plot, xMax, 100};
        core::ShareBands bands;
        const ui::BandOutline outline = ui::bandOutline(axes, expected, bands);
        QCOMPARE(outline.upper.size(), samples);
        QCOMPARE(outline.lower.size(), samples);

        const core::ShareBand first = core::shareBand(expected, 1);
        QCOMPARE(outline.upper.first(), QPointF(axes.xOf(1), axes.yOf(first.high)));
        QCOMPARE(outline.lower.first(), QPointF(axes.xOf(1), axes.yOf(first.low)));
        QCOMPARE(outline.upper[1].x() - outline.upper[0].x(), 3.0);

        const core::ShareBand last = core::shareBand(expected, lastTick);
        const double right = plot.right();
        QCOMPARE(outline.upper.last(), QPointF(right, axes.yOf(last.high)));
        QCOMPARE(outline.lower.last(), QPointF(right, axes.yOf(last.low)));
    }

    void roundestWithinIsTheCountWithMostZeros_data() {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("roundest");
        QTest::newRow("no multiple of ten: the nearest to the middle") << 98.5 << 99.5 << 99.0;
        QTest::newRow("the first multiple of the largest power") << 940.0 << 1060.0 << 1000.0;
        QTest::newRow("a bound itself") << 12345.0 << 12400.0 << 12400.0;
        QTest::newRow("tens below a hundred") << 1.0 << 63.0 << 10.0;
    }
    void roundestWithinIsTheCountWithMostZeros() {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, roundest);
        QCOMPARE(ui::roundestWithin(low, high), roundest);
    }

    void onePairPerColumnKeepsTheExtremes_data() {
        QTest::addColumn<QPolygonF>("points");
        QTest::addColumn<QPolygonF>("path");
        QTest::newRow("nothing") << QPolygonF() << QPolygonF();
        QTest::newRow("a flat column is one point")
            << QPolygonF(QList<QPointF>{{10.1, 50}, {10.5, 50}, {10.9, 50}})
            << QPolygonF(QList<QPointF>{{10.1, 50}});
        QTest::newRow("less than a pixel tall is flat")
            << QPolygonF(QList<QPointF>{{10.1, 50}, {10.5, 49.5}})
            << QPolygonF(QList<QPointF>{{10.1, 50}});
        QTest::newRow("a point a column is kept")
            << QPolygonF(QList<QPointF>{{10.9, 50}, {11, 40}, {12.5, 30}})
            << QPolygonF(QList<QPointF>{{10.9, 50}, {11, 40}, {12.5, 30}});
        QTest::newRow("low then high where drawn so")
            << QPolygonF(QList<QPointF>{{10.1, 50}, {10.5, 40}, {10.9, 20}})
            << QPolygonF(QList<QPointF>{{10.1, 50}, {10.9, 20}});
        QTest::newRow("high then low where drawn so")
            << QPolygonF(QList<QPointF>{{11.1, 20}, {11.5, 40}, {11.9, 60}})
            << QPolygonF(QList<QPointF>{{11.1, 20}, {11.9, 60}});
        QTest::newRow("points between the extremes dropped")
            << QPolygonF(QList<QPointF>{{10.1, 50}, {10.3, 30}, {10.5, 40}, {10.7, 60}, {11.2, 45}})
            << QPolygonF(QList<QPointF>{{10.3, 30}, {10.7, 60}, {11.2, 45}});
    }
    void onePairPerColumnKeepsTheExtremes() {
        QFETCH(QPolygonF, points);
        QFETCH(QPolygonF, path);
        QCOMPARE(ui::onePairPerColumn(points), path);
    }

    void simplifiedDropsWhatAHalfPixelHides_data() {
        QTest::addColumn<QPolygonF>("path");
        QTest::addColumn<QPolygonF>("simple");
        QTest::newRow("two points") << QPolygonF(QList<QPointF>{{0, 0}, {3, 7}})
                                    << QPolygonF(QList<QPointF>{{0, 0}, {3, 7}});
        QTest::newRow("collinear points dropped, ends kept")
            << QPolygonF(QList<QPointF>{{0, 0}, {1, 1}, {2, 2}, {3, 3}})
            << QPolygonF(QList<QPointF>{{0, 0}, {3, 3}});
        QTest::newRow("half a pixel off dropped")
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 0.5}, {10, 0}})
            << QPolygonF(QList<QPointF>{{0, 0}, {10, 0}});
        QTest::newRow("more than half a pixel off kept")
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 0.6}, {10, 0}})
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 0.6}, {10, 0}});
        QTest::newRow("a corner on the left half kept")
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 8}, {10, 10}, {15, 5}, {20, 0}})
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 8}, {10, 10}, {20, 0}});
        QTest::newRow("a corner on the right half kept")
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 5}, {10, 10}, {15, 8}, {20, 0}})
            << QPolygonF(QList<QPointF>{{0, 0}, {10, 10}, {15, 8}, {20, 0}});
        QTest::newRow("a closed path measures from its point")
            << QPolygonF(QList<QPointF>{{0, 0}, {0.3, 0}, {5, 0}, {0, 0.2}, {0, 0}})
            << QPolygonF(QList<QPointF>{{0, 0}, {5, 0}, {0, 0}});
    }
    void simplifiedDropsWhatAHalfPixelHides() {
        QFETCH(QPolygonF, path);
        QFETCH(QPolygonF, simple);
        QCOMPARE(ui::simplified(path), simple);
    }

    // Labels that want the same room move apart, stay inside the plot, keep off the marks, and
    // keep off the measured path where they can.
    void labelsNeitherOverlapNorLeaveThePlot_data() {
        QTest::addColumn<QList<double>>("levels");  // level lines' heights
        QTest::addColumn<QList<double>>("beside");  // the capacity's mark, the ceiling's end
        QTest::addColumn<QList<QPointF>>("pastEnds");
        QTest::addColumn<QList<QRectF>>("marks");
        QTest::addColumn<QPolygonF>("path");
        QTest::addColumn<int>("placed");
        // A plot 300 by 100 from (10, 20); labels 50 wide, 80 for earlier runs; lines 10 high.
        QTest::newRow("a guess near the expected share")
            << QList<double>{60, 61} << QList<double>{} << QList<QPointF>{} << QList<QRectF>{}
            << QPolygonF() << 2;
        QTest::newRow("a change mark through the labels' place")
            << QList<double>{60, 61} << QList<double>{} << QList<QPointF>{}
            << QList<QRectF>{{14, 20, 2, 100}, {70, 20, 2, 100}} << QPolygonF() << 2;
        QTest::newRow("earlier runs ending together, one past the edge")
            << QList<double>{60} << QList<double>{} << QList<QPointF>{{200, 62}, {400, 62}}
            << QList<QRectF>{} << QPolygonF(QList<QPointF>{{10, 64}, {309, 60}}) << 3;
        QTest::newRow("a level line at the top")
            << QList<double>{20.5} << QList<double>{} << QList<QPointF>{} << QList<QRectF>{}
            << QPolygonF() << 1;
        // Bars up to a row under the top, the capacity's mark at 280 and the ceiling's end at 309.
        QTest::newRow("the capacity and the ceiling close together")
            << QList<double>{} << QList<double>{280, 309} << QList<QPointF>{}
            << QList<QRectF>{{10, 41, 299, 79}, {279, 20, 2, 100}} << QPolygonF() << 2;
    }
    void labelsNeitherOverlapNorLeaveThePlot() {
        QFETCH(QList<double>, levels);
        QFETCH(QList<double>, beside);
        QFETCH(QList<QPointF>, pastEnds);
        QFETCH(QList<QRectF>, marks);
        QFETCH(QPolygonF, path);
        QFETCH(int, placed);
        const QRect plot(10, 20, 300, 100);
        std::vector<std::vector<QRectF>> choices;
        for (const double y : levels) {
            choices.push_back(ui::levelLabelBoxes(plot, y, 50, 10, 0));
        }
        for (qsizetype i = 0; i < beside.size(); ++i) {
            choices.push_back(ui::markLabelBoxes(plot, beside[i], 50, 10, i == 0));
        }
        for (const QPointF& end : pastEnds) {
            const QPolygonF past(QList<QPointF>{{10, end.y() - 30}, end});
            choices.push_back(ui::pastRunLabelBoxes(plot, past, 80, 10));
        }
        const std::vector<QRectF> markBoxes(marks.begin(), marks.end());
        const std::vector<QPolygonF> lines{path};
        const auto boxes = ui::placeLabels(QRectF(plot), choices, markBoxes, lines);
        std::vector<QRectF> shown;
        for (const auto& box : boxes) {
            if (box) {
                QVERIFY(QRectF(plot).contains(*box));
                if (!path.isEmpty()) {
                    // The path is one straight line: the box is wholly above or below it.
                    const auto yAt = [&](double x) {
                        return path.front().y() + (path.back().y() - path.front().y()) *
                                                      (x - path.front().x()) /
                                                      (path.back().x() - path.front().x());
                    };
                    const double high = std::min(yAt(box->left()), yAt(box->right()));
                    const double low = std::max(yAt(box->left()), yAt(box->right()));
                    QVERIFY(box->bottom() < high || box->top() > low);
                }
                for (const QRectF& other : shown) {
                    QVERIFY(!other.intersects(*box));
                }
                for (const QRectF& mark : markBoxes) {
                    QVERIFY(!mark.intersects(*box));
                }
                shown.push_back(*box);
            }
        }
        QCOMPARE(int(shown.size()), placed);
    }

    // The count axis leaves a row above the highest bar for each row of labels, while the bars
    // keep half the plot.
    void countAxisLeavesRoomForLabels_data() {
        QTest::addColumn<quint64>("highest");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("free");  // the least room above the highest bar, in pixels
        // A plot 200 high with lines 20 high.
        QTest::newRow("one row") << quint64{200} << 1 << 20.0;
        QTest::newRow("two rows") << quint64{237} << 2 << 40.0;
        QTest::newRow("nothing drawn") << quint64{0} << 2 << 40.0;
        QTest::newRow("the bars keep half a low plot") << quint64{200} << 12 << 100.0;
    }
    void countAxisLeavesRoomForLabels() {
        QFETCH(quint64, highest);
        QFETCH(int, rows);
        QFETCH(double, free);
        const ui::ValueAxis axis = ui::countAxisUnderLabels(highest, 200, 20, rows);
        QVERIFY(200 - 200 * double(highest) / axis.top >= free);
        QVERIFY(rows < 10 || axis.top <= 2.5 * double(highest));
    }

    void binsShownSpanWhatCanBeDrawn_data() {
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<bool>("overselling");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bins");
        QTest::newRow("the raised ceiling")
            << QStringLiteral("10") << true << QStringLiteral("50") << 0 << 15;
        QTest::newRow("drawn demands beyond the ceiling")
            << QStringLiteral("10") << false << QStringLiteral("0") << 40 << 40;
        // The ceiling 10.5 rounds to 10; the first demand above the capacity is 11.
        QTest::newRow("the first demand above the capacity")
            << QStringLiteral("10.5") << false << QStringLiteral("0") << 0 << 12;
        QTest::newRow("nothing drawable, nothing drawn")
            << QStringLiteral("-0.4") << false << QStringLiteral("0") << 0 << 1;
        QTest::newRow("nothing drawable, the drawn demands")
            << QStringLiteral("-0.4") << false << QStringLiteral("0") << 7 << 7;
        QTest::newRow("a negative ceiling by its size")
            << QStringLiteral("-20") << false << QStringLiteral("0") << 0 << 20;
        QTest::newRow("no more than the largest demand")
            << QStringLiteral("50000") << false << QStringLiteral("0") << 0 << 10001;
        QTest::newRow("the capacity at the largest demand")
            << QStringLiteral("10000") << false << QStringLiteral("0") << 0 << 10001;
    }
    void binsShownSpanWhatCanBeDrawn() {
        QFETCH(QString, capacity);
        QFETCH(bool, overselling);
        QFETCH(QString, percent);
        QFETCH(int, drawn);
        QFETCH(int, bins);
        core::Model model;
        model.setText(core::Text1(2), capacity.toStdString());
        model.setText(core::Text2(0), percent.toStdString());
        model.Situation = overselling ? 0 : 1;
        const std::vector<std::uint64_t> counts(static_cast<std::size_t>(drawn), 1);
        QCOMPARE(ui::binsShown(model, counts), bins);
    }

    void countAxisReachesTheHighestCount_data() {
        QTest::addColumn<quint64>("highest");
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("top");
        QTest::newRow("nothing drawn still spans three steps") << quint64{0} << 4 << 1.0 << 3.0;
        QTest::newRow("small counts by ones") << quint64{3} << 4 << 1.0 << 3.0;
        QTest::newRow("no steps of a part of one") << quint64{5} << 10 << 1.0 << 5.0;
        QTest::newRow("top up to a whole step") << quint64{33} << 4 << 10.0 << 40.0;
        QTest::newRow("large counts") << quint64{12345} << 4 << 5000.0 << 15000.0;
    }
    void countAxisReachesTheHighestCount() {
        QFETCH(quint64, highest);
        QFETCH(int, steps);
        QFETCH(double, step);
        QFETCH(double, top);
        const ui::ValueAxis axis = ui::countAxis(highest, steps);
        QCOMPARE(axis.step, step);
        QCOMPARE(axis.top, top);
    }

    void mergedBarsOnePerColumnAndSide_data() {
        QTest::addColumn<int>("bins");
        QTest::addColumn<QList<quint64>>("counts");
        QTest::addColumn<double>("capacity");
        QTest::addColumn<QString>("bars");
        // The plot is 100 pixels wide: 10 bins are 10 pixels each, 1000 bins a tenth each.
        QTest::newRow("nothing drawn") << 10 << QList<quint64>{} << 5.0 << QString();
        QTest::newRow("a bar a demand in wide columns")
            << 10 << QList<quint64>{1, 2, 3} << 5.0 << QStringLiteral("0-0:1:n 1-1:2:n 2-2:3:n");
        QTest::newRow("a column's demands as their mean")
            << 1000 << QList<quint64>{1, 1, 1, 1, 1, 1, 1, 1, 1, 11, 4, 6} << 100.0
            << QStringLiteral("0-9:2:n 10-11:5:n");
        QTest::newRow("the capacity splits a column")
            << 1000 << QList<quint64>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2} << 4.5
            << QStringLiteral("0-4:2:n 5-9:2:o");
        QTest::newRow("the capacity itself is carried")
            << 10 << QList<quint64>{1, 1, 1} << 1.0 << QStringLiteral("0-0:1:n 1-1:1:n 2-2:1:o");
        QTest::newRow("undrawn demands have no bar")
            << 10 << QList<quint64>{0, 3, 0} << 5.0 << QStringLiteral("1-1:3:n");
        QTest::newRow("an undrawn column has no bar")
            << 1000 << QList<quint64>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5} << 100.0
            << QStringLiteral("10-10:5:n");
        QTest::newRow("undrawn demands lower a column's mean")
            << 1000 << QList<quint64>{0, 0, 0, 4} << 100.0 << QStringLiteral("0-3:1:n");
    }
    void mergedBarsOnePerColumnAndSide() {
        QFETCH(int, bins);
        QFETCH(QList<quint64>, counts);
        QFETCH(double, capacity);
        QFETCH(QString, bars);
        const ui::HistogramAxes axes{QRect(0, 0, 100, 100), bins, 10};
        const std::vector<std::uint64_t> values(counts.begin(), counts.end());
        QCOMPARE(describe(ui::mergedBars(axes, values, capacity)), bars);
    }

    void expectedStepsMergeAsTheBarsDo_data() {
        QTest::addColumn<int>("bins");
        QTest::addColumn<QList<qint64>>("units");
        QTest::addColumn<quint64>("draws");
        QTest::addColumn<double>("capacity");
        QTest::addColumn<QString>("steps");
        // The plot is 100 pixels wide: 10 bins are 10 pixels each, 1000 bins a tenth each.
        // Units are sixteenths of the whole, so 16 draws turn each into one expected draw.
        QTest::newRow("no draws, no steps")
            << 10 << QList<qint64>{8, 8} << quint64{0} << 5.0 << QString();
        QTest::newRow("nothing drawable, no steps")
            << 10 << QList<qint64>{} << quint64{50} << 5.0 << QString();
        QTest::newRow("a step a demand in wide columns")
            << 10 << QList<qint64>{8, 8} << quint64{4} << 5.0 << QStringLiteral("0-0:2:n 1-1:2:n");
        QTest::newRow("scaled by the draws, not rounded")
            << 10 << QList<qint64>{4, 12} << quint64{3} << 5.0
            << QStringLiteral("0-0:0.75:n 1-1:2.25:n");
        QTest::newRow("a column's demands as their mean")
            << 1000 << QList<qint64>{1, 1, 1, 1, 1, 1, 1, 1, 1, 11, 4, 6} << quint64{16} << 100.0
            << QStringLiteral("0-9:2:n 10-11:5:n");
        QTest::newRow("the capacity splits a column")
            << 1000 << QList<qint64>{4, 4, 4, 4, 4, 2, 2, 2, 2, 2} << quint64{8} << 4.5
            << QStringLiteral("0-4:2:n 5-9:1:o");
        QTest::newRow("a step kept where little is expected")
            << 10 << QList<qint64>{16, 0} << quint64{1} << 5.0 << QStringLiteral("0-0:1:n 1-1:0:n");
    }
    void expectedStepsMergeAsTheBarsDo() {
        QFETCH(int, bins);
        QFETCH(QList<qint64>, units);
        QFETCH(quint64, draws);
        QFETCH(double, capacity);
        QFETCH(QString, steps);
        const ui::HistogramAxes axes{QRect(0, 0, 100, 100), bins, 10};
        std::vector<std::int64_t> values;
        for (const qint64 sixteenths : units) {
            values.push_back(sixteenths * (core::kShareUnits / 16));
        }
        QCOMPARE(describe(ui::expectedSteps(axes, values, draws, capacity)), steps);
    }

    // Where the bars and the outline cover the same demands, they have the same columns.
    void expectedStepsShareTheBarsColumns() {
        const ui::HistogramAxes axes{QRect(0, 0, 97, 100), 5500, 10};
        const std::vector<std::uint64_t> counts(5500, 1);
        const std::vector<std::int64_t> units(5500, 1);
        const std::vector<ui::Bar> bars = ui::mergedBars(axes, counts, 5000);
        const std::vector<ui::Bar> steps = ui::expectedSteps(axes, units, 20000, 5000);
        QCOMPARE(steps.size(), bars.size());
        for (std::size_t i = 0; i < bars.size(); ++i) {
            QCOMPARE(steps[i].first, bars[i].first);
            QCOMPARE(steps[i].last, bars[i].last);
            QCOMPARE(steps[i].overload, bars[i].overload);
        }
    }

    void expectedOutlineStepsAlongTheTops_data() {
        QTest::addColumn<QList<double>>("means");
        QTest::addColumn<QPolygonF>("outline");
        // Ten bins 10 pixels wide; the bottom is y 99 and a count of 1 is 10 pixels.
        QTest::newRow("nothing") << QList<double>{} << QPolygonF();
        QTest::newRow("up, across and down")
            << QList<double>{5} << QPolygonF(QList<QPointF>{{0, 99}, {0, 49}, {10, 49}, {10, 99}});
        QTest::newRow("a step down between demands")
            << QList<double>{5, 2.5}
            << QPolygonF(QList<QPointF>{{0, 99}, {0, 49}, {10, 49}, {10, 74}, {20, 74}, {20, 99}});
        QTest::newRow("steps within half a pixel are one line")
            << QList<double>{5, 5.04, 4.97}
            << QPolygonF(QList<QPointF>{{0, 99}, {0, 49}, {30, 49}, {30, 99}});
        QTest::newRow("held at the top of the axis")
            << QList<double>{25} << QPolygonF(QList<QPointF>{{0, 99}, {0, -1}, {10, -1}, {10, 99}});
    }
    void expectedOutlineStepsAlongTheTops() {
        QFETCH(QList<double>, means);
        QFETCH(QPolygonF, outline);
        const ui::HistogramAxes axes{QRect(0, 0, 100, 100), 10, 10};
        std::vector<ui::Bar> steps;
        steps.reserve(static_cast<std::size_t>(means.size()));
        for (int demand = 0; demand < means.size(); ++demand) {
            steps.push_back({demand, demand, means[demand], false});
        }
        QCOMPARE(ui::expectedOutline(axes, steps), outline);
    }

    void barRectLeavesGapsInWideBars_data() {
        QTest::addColumn<int>("bins");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QRectF>("rect");
        // The plot is 100 wide from x 0 and its bottom is y 99; the bars are 5 of 10 high.
        QTest::newRow("an eighth each side of a wide bar")
            << 10 << 2 << 2 << QRectF(21.25, 49, 7.5, 50);
        QTest::newRow("none in four pixels") << 25 << 0 << 0 << QRectF(0, 49, 4, 50);
        QTest::newRow("merged demands share one") << 1000 << 0 << 9 << QRectF(0, 49, 1, 50);
    }
    void barRectLeavesGapsInWideBars() {
        QFETCH(int, bins);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QRectF, rect);
        const ui::HistogramAxes axes{QRect(0, 0, 100, 100), bins, 10};
        QCOMPARE(ui::barRect(axes, {first, last, 5, false}), rect);
    }

    void capacityMarkAfterTheLastCarriedDemand_data() {
        QTest::addColumn<double>("capacity");
        QTest::addColumn<int>("bins");
        QTest::addColumn<double>("mark");
        QTest::newRow("a whole capacity") << 10.0 << 20 << 11.0;
        QTest::newRow("a part capacity") << 10.5 << 20 << 11.0;
        QTest::newRow("no capacity") << 0.0 << 20 << 1.0;
        QTest::newRow("a negative capacity at the start") << -3.0 << 20 << 0.0;
        QTest::newRow("beyond the span at its end") << 50.0 << 20 << 20.0;
    }
    void capacityMarkAfterTheLastCarriedDemand() {
        QFETCH(double, capacity);
        QFETCH(int, bins);
        QFETCH(double, mark);
        QCOMPARE(ui::capacityMark(capacity, bins), mark);
    }

    // Each stretch of unchanged inputs runs to the tick before the next, the last to the
    // run's last tick; ticks before the oldest kept stretch form one with no expected share.
    void stretchesCoverTheRunOnce() {
        using Stretch = core::RunStatistics::Stretch;
        QVERIFY(ui::shareStretches({}, 0).empty());
        const std::vector<ui::ShareStretch> whole = ui::shareStretches({}, 7);
        QCOMPARE(whole.size(), std::size_t{1});
        QCOMPARE(whole[0], (ui::ShareStretch{1, 7, 0, std::nullopt}));

        const std::vector<Stretch> changed{{1, 0, {100, 110}}, {5, 2, {50, 55}}};
        const auto two = ui::shareStretches(changed, 9);
        QCOMPARE(two.size(), std::size_t{2});
        QCOMPARE(two[0].lastTick, std::int64_t{4});
        QCOMPARE(two[1].firstTick, std::int64_t{5});
        QCOMPARE(two[1].lastTick, std::int64_t{9});
        QCOMPARE(two[1].overloadsBefore, std::int64_t{2});
        QCOMPARE(two[0].expected, core::expectedSharePercent(100, 110));
        QCOMPARE(two[1].expected, core::expectedSharePercent(50, 55));

        const std::vector<Stretch> kept{{10, 3, {100, 110}}};
        const auto late = ui::shareStretches(kept, 12);
        QCOMPARE(late.size(), std::size_t{2});
        QCOMPARE(late[0], (ui::ShareStretch{1, 9, 0, std::nullopt}));
        QCOMPARE(late[1].firstTick, std::int64_t{10});
    }

    // Within a stretch the share counts from its start: two overloads in its two ticks are
    // 100 %, whatever the run before.
    void theMeasuredPathOfAStretchCountsFromItsStart() {
        const ui::ShareAxes axes{QRect(0, 0, 100, 100), 4, 100};
        const std::vector<core::RunStatistics::Point> points{{1, 0}, {2, 0}, {3, 1}, {4, 2}};
        const QPolygonF path = ui::measuredPath(axes, points, {3, 4, 0, std::nullopt});
        QCOMPARE(path.size(), 2);
        QCOMPARE(path[1].y(), axes.yOf(100));
        QCOMPARE(path[0].x(), axes.xOf(3));
    }

    // The experiments page: the share axis reaches every class's share and the band with
    // room, each class is in the middle of its column, and the pointer finds the nearest
    // percentage of the curve.
    void experimentsPicturesPlaceTheirPoints() {
        const std::vector<double> shares{2.0, 14.2, 7.0};
        QCOMPARE(ui::sharesTop(shares, std::nullopt), 15.0);
        QCOMPARE(ui::sharesTop(shares, 19.0), 25.0);
        QCOMPARE(ui::sharesTop({}, std::nullopt), 5.0);
        QCOMPARE(ui::sharesTop(std::vector<double>{100.0}, 100.0), 100.0);

        const QRect plot(0, 0, 100, 50);
        QCOMPARE(ui::classDot(plot, 0, 10, 0, 10), QPointF(5, 49));
        QCOMPARE(ui::classDot(plot, 9, 10, 10, 10), QPointF(95, 49 - 50));

        QCOMPARE(ui::nearestPercent(QRect(10, 0, 99, 10), 10.0), std::optional<int>(0));
        QCOMPARE(ui::nearestPercent(QRect(10, 0, 99, 10), 10 + 99 * 0.5), std::optional<int>(50));
        QCOMPARE(ui::nearestPercent(QRect(10, 0, 99, 10), 109.0), std::optional<int>(99));
        QCOMPARE(ui::nearestPercent(QRect(10, 0, 99, 10), 5.0), std::nullopt);
        QCOMPARE(ui::curvePoint(QRect(10, 0, 99, 10), 99, 0, 10).x(), 109.0);
    }
};

QTEST_MAIN(PictureGeometryTest)
#include "picture_geometry_test.moc"
