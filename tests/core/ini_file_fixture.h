#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/ini_file.h"
#include "tests/support/file_bytes.h"

// A Printer.ini in a fresh folder of its own, and its bytes.
class IniFileFixture : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Printer.ini")); }
    IniFile file() const { return IniFile(path()); }
    void put(const QByteArray& bytes) const { WriteFileBytes(path(), bytes); }
    QByteArray bytes() const { return ReadFileBytes(path()); }

    QTemporaryDir m_dir;
};
