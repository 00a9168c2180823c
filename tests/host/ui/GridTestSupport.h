#pragma once
// A temporary workstation directory and layout files for the grid tests.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class GridTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(map_.isValid());
        qputenv("RSV_MACHINE_CONFIG", map_.filePath("werkplek").toUtf8());
    }
    void TearDown() override { qunsetenv("RSV_MACHINE_CONFIG"); }

    QString Layout(const QString& naam, const QByteArray& inhoud)
    {
        const QString pad = map_.filePath(naam);
        QFile f(pad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
        return pad;
    }

    QTemporaryDir map_;
};
