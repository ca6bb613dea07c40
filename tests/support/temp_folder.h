#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace orv::test {

// A fresh temporary folder for one test.
class TempFolderTest : public ::testing::Test {
  protected:
    QTemporaryDir tmp_;
    QString folder() const { return tmp_.path(); }
    QString path(const QString& name) const { return QDir(tmp_.path()).filePath(name); }
};

}  // namespace orv::test
