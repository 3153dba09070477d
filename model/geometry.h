// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size &, const Size &) = default;
};

// A picture control's place on its panel.
struct Box {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    // (left + width div 2, top + height div 2)
    Point centre() const { return {left + width / 2, top + height / 2}; }
    friend bool operator==(const Box &, const Box &) = default;
};

// The five views, in the order every operation visits them.
enum class View { All, Inner, Outer, Far, Moon };
inline constexpr View AllViews[] = {View::All, View::Inner, View::Outer, View::Far, View::Moon};
inline constexpr View OrbitViews[] = {View::All, View::Inner, View::Outer, View::Far};

// What the bodies read of the window while they compute their picture
// centres: the panels' sizes and the places of the two Earth pictures the
// Moon circles. The window answers with its live widgets.
class SceneGeometry {
public:
    virtual ~SceneGeometry() = default;
    virtual Size panelSize(View view) const = 0;
    virtual Box innerEarthPicture() const = 0; // iInnerearth
    virtual Box largeEarthPicture() const = 0; // iLargeEarth
};

// The window layout's sizes, for bodies that live outside the window (the
// alignment finder's) and for tests.
class LayoutGeometry : public SceneGeometry {
public:
    Size panel{741, 484};
    Box innerEarth{360, 232, 20, 20};
    Box largeEarth{350, 222, 40, 40};

    Size panelSize(View) const override { return panel; }
    Box innerEarthPicture() const override { return innerEarth; }
    Box largeEarthPicture() const override { return largeEarth; }

    static const LayoutGeometry &standard();
};
