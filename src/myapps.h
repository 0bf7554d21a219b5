// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// Picks one of the app images shipped with the application. Published to the
// scene as "_myApps".
class MyApps : public QObject
{
    Q_OBJECT
public:
    MyApps();
    ~MyApps() override = default;

    Q_INVOKABLE QString getRandomAppImage();

    // The index picked from names listed n for a draw r and s seconds left in
    // the day: the wrapped 32-bit product r * s, its remainder by n, and the
    // first name whenever that remainder is negative (or n is not positive).
    static int pickIndex(int r, int s, int n);
};
