#pragma once
// A temporary workstation directory and layout files for the grid tests.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/TempWerkplek.h"

class GridTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(map_.isValid());
    }

    QString Layout(const QString& naam, const QByteArray& inhoud)
    {
        const QString pad = map_.filePath(naam);
        QFile f(pad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
        return pad;
    }

    QTemporaryDir map_;
    TempWerkplek werkplek_;
};
