// The document commands on real files, with a host that stands in for the main window's content
// box, menu and file dialogs.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <deque>

#include "app/main_commands.h"
#include "app/text_document.h"
#include "core/ansi_text.h"
#include "core/program_state.h"
#include "tests/support/state_guard.h"

namespace {

class RecordingHost : public TextDocumentHost {
public:
    QString documentText() override { return content; }
    void setDocumentText(const QString& text) override { content = text; }
    void setMenuItemText(int command, const QString& text) override { menu[command] = text; }
    QString chooseOpenPath(const DocumentFileDialog& dialog) override {
        return answer(dialog, false);
    }
    QString chooseSavePath(const DocumentFileDialog& dialog) override {
        return answer(dialog, true);
    }
    void showFileError(const QString& message) override { errors << message; }

    QString content;
    QMap<int, QString> menu;
    QStringList errors;
    std::deque<QString> answers;  // the paths the next dialogs return ("" cancels)
    struct Asked {
        DocumentFileDialog dialog;
        bool save;
    };
    std::vector<Asked> asked;

private:
    QString answer(const DocumentFileDialog& dialog, bool save) {
        asked.push_back({dialog, save});
        if (answers.empty()) {
            return QString();
        }
        QString path = answers.front();
        answers.pop_front();
        return path;
    }
};

class TextDocumentTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(m_state.dir()).filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    static QByteArray read(const QString& filePath) {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void open(const QString& filePath) {
        m_host.answers.push_back(filePath);
        m_document.open();
    }

    StateGuard m_state;
    RecordingHost m_host;
    TextDocument m_document{m_host};
};

TEST_F(TextDocumentTest, OpenReadsUtf8AndGbkFilesUpToTheFirstZeroByte) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const QString chinese = QString::fromUtf8("繁體測試\r\n打印機");
    const Case cases[] = {
        {"utf8.txt", chinese.toUtf8(), chinese},
        {"bom.txt", "\xEF\xBB\xBF" + chinese.toUtf8(), chinese},
        {"gbk.txt", ToAnsi(chinese), chinese},
        {"nul.txt", QByteArray("ABC\0DEF", 7), "ABC"},
        {"gbk_nul.txt", ToAnsi(chinese) + QByteArray("\0\xFF\xFE", 3), chinese},
        {"empty.txt", QByteArray(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = write(c.name, c.bytes);
        m_host.content = "old";
        open(file);
        EXPECT_EQ(m_host.content, c.text);
        EXPECT_EQ(g_strDocPath.get(), file);
        EXPECT_EQ(m_host.menu[ID_FILE_SAVE], QString::fromUtf8("保存 (%1)").arg(file));
        EXPECT_EQ(m_host.menu[ID_FILE_CLOSE], QString::fromUtf8("关闭 (%1)").arg(file));
    }
    EXPECT_TRUE(m_host.errors.isEmpty());
    const DocumentFileDialog& dialog = m_host.asked.front().dialog;
    EXPECT_FALSE(m_host.asked.front().save);
    EXPECT_EQ(dialog.title, QString::fromUtf8("打开文件"));
    EXPECT_EQ(dialog.filter, "Text Files(*.txt);;All Files(*.*)");
    EXPECT_EQ(dialog.defaultSuffix, QString());
}

TEST_F(TextDocumentTest, CancelledOpenOnlyRenamesTheMenuAndSaveThenAsksWhere) {
    m_host.content = "typed";
    m_document.open();  // cancelled

    EXPECT_EQ(m_host.content, "typed");
    EXPECT_EQ(g_strDocPath.get(), QString());
    EXPECT_EQ(m_host.menu[ID_FILE_SAVE], QString::fromUtf8("保存 ()"));
    EXPECT_EQ(m_host.menu[ID_FILE_CLOSE], QString::fromUtf8("关闭 ()"));

    const QString target = path("chosen.txt");
    m_host.answers.push_back(target);
    m_document.save();
    ASSERT_EQ(m_host.asked.size(), 2u);
    EXPECT_TRUE(m_host.asked[1].save);
    EXPECT_EQ(m_host.asked[1].dialog.title, QString::fromUtf8("保存"));
    EXPECT_EQ(m_host.asked[1].dialog.filter, "Text Files(*.txt);;All Files(*.*)");
    EXPECT_EQ(m_host.asked[1].dialog.defaultSuffix, "txt");
    EXPECT_EQ(read(target), "typed");
    // The chosen file does not become the document.
    EXPECT_EQ(g_strDocPath.get(), QString());
    EXPECT_EQ(m_host.menu[ID_FILE_SAVE], QString::fromUtf8("保存 ()"));
}

TEST_F(TextDocumentTest, OpenThenNewThenSaveReplacesTheOpenedFile) {
    const QString file = write("doc.txt", "first version");
    open(file);
    m_document.newDocument();
    EXPECT_EQ(m_host.content, QString());
    EXPECT_EQ(g_strDocPath.get(), file);

    m_host.content = QString::fromUtf8("第二版\r\nsecond");
    m_document.save();

    EXPECT_EQ(m_host.asked.size(), 1u);  // no dialog: the document is known
    EXPECT_EQ(read(file), QString::fromUtf8("第二版\r\nsecond").toUtf8());  // UTF-8, no BOM
    EXPECT_EQ(m_host.menu[ID_FILE_SAVE], QString::fromUtf8("保存 (%1)").arg(file));

    m_host.content.clear();
    m_document.save();
    EXPECT_EQ(read(file), QByteArray());  // an empty box truncates the file
}

TEST_F(TextDocumentTest, SaveAsWritesElsewhereAndKeepsTheDocument) {
    const QString file = write("doc.txt", "original");
    open(file);
    m_host.content = "copy";
    const QString other = path("other.txt");
    m_host.answers.push_back(other);
    m_document.saveAs();

    EXPECT_EQ(m_host.asked.back().dialog.title, QString::fromUtf8("另存为"));
    EXPECT_EQ(m_host.asked.back().dialog.defaultSuffix, "txt");
    EXPECT_EQ(read(other), "copy");
    EXPECT_EQ(read(file), "original");
    EXPECT_EQ(g_strDocPath.get(), file);

    m_document.saveAs();  // cancelled: nothing written anywhere
    EXPECT_EQ(read(other), "copy");
    EXPECT_TRUE(m_host.errors.isEmpty());
}

TEST_F(TextDocumentTest, CloseForgetsTheDocumentAndIsNothingWithoutOne) {
    g_bChinese = 0;  // the renamed items are Chinese in both languages
    m_host.content = "kept";
    m_document.close();
    EXPECT_EQ(m_host.content, "kept");
    EXPECT_TRUE(m_host.menu.isEmpty());

    open(write("doc.txt", "text"));
    m_document.close();
    EXPECT_EQ(g_strDocPath.get(), QString());
    EXPECT_EQ(m_host.content, QString());
    EXPECT_EQ(m_host.menu[ID_FILE_SAVE], QString::fromUtf8("保存(&S)\tCtrl+S"));
    EXPECT_EQ(m_host.menu[ID_FILE_CLOSE], QString::fromUtf8("关闭"));
}

TEST_F(TextDocumentTest, FileErrorsNameThePathAndChangeNothing) {
    const QString document = write("doc.txt", "document");
    open(document);
    m_host.content = "edited";
    const auto menuBefore = m_host.menu;

    struct Case {
        const char* what;
        QString path;
        bool save;
        QString message;
    };
    const QString missing = path("missing.txt");
    const QString missingDir = path("no/such/dir.txt");
    const QString folder = path("folder");
    QDir().mkpath(folder);
    const Case cases[] = {
        {"open a missing file", missing, false, QString::fromUtf8("没有找到 %1。").arg(missing)},
        {"open a folder", folder, false, QString::fromUtf8("拒绝访问 %1。").arg(folder)},
        {"save into a missing folder", missingDir, true,
         QString::fromUtf8("没有找到 %1。").arg(missingDir)},
        {"save onto a folder", folder, true, QString::fromUtf8("拒绝访问 %1。").arg(folder)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_host.errors.clear();
        m_host.answers.push_back(c.path);
        if (c.save) {
            m_document.saveAs();
        } else {
            m_document.open();
        }
        EXPECT_EQ(m_host.errors, QStringList{c.message});
        EXPECT_EQ(m_host.content, "edited");
        EXPECT_EQ(g_strDocPath.get(), document);
        EXPECT_EQ(m_host.menu, menuBefore);
    }
    EXPECT_EQ(read(document), "document");
    EXPECT_FALSE(QFile::exists(missingDir));
}

TEST_F(TextDocumentTest, SaveToADocumentThatVanishedReportsIt) {
    const QString folder = path("gone");
    QDir().mkpath(folder);
    const QString file = folder + "/doc.txt";
    QFile(file).open(QIODevice::WriteOnly);
    open(file);
    QDir(folder).removeRecursively();

    m_host.content = "text";
    m_document.save();
    EXPECT_EQ(m_host.errors, QStringList{QString::fromUtf8("没有找到 %1。").arg(file)});
    EXPECT_EQ(g_strDocPath.get(), file);
}

}  // namespace
