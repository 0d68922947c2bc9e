#pragma once

// The File menu's document commands on the content box: New (also the Clear button), Open,
// Save, Save As and Close, with the document path in g_strDocPath and shown in the Save and
// Close menu items. Documents are read whole, up to the first zero byte, as UTF-8 (or as GBK
// when they are not valid UTF-8), and written in UTF-8 without a byte-order mark.

#include <QString>
#include <optional>

// A file dialog as the document commands ask for it. The filter is in Qt's form
// ("name(pattern);;name(pattern)").
struct DocumentFileDialog {
    QString title;
    QString filter;
    QString defaultSuffix;  // empty: none
};

// What the document commands need from the main window. The window implements it on top of
// its content box, its menu and the file-dialog service.
class TextDocumentHost {
public:
    virtual ~TextDocumentHost() = default;

    // Reads the window's fields and returns the content text. A validation message for another
    // field may be shown; the content text is taken all the same.
    virtual QString documentText() = 0;
    // Makes `text` the content text and shows the fields.
    virtual void setDocumentText(const QString& text) = 0;
    // Renames the menu item of the command (app/main_commands.h) in the current menu.
    virtual void setMenuItemText(int command, const QString& text) = 0;
    // Runs a file dialog; an empty result means the user cancelled.
    virtual QString chooseOpenPath(const DocumentFileDialog& dialog) = 0;
    virtual QString chooseSavePath(const DocumentFileDialog& dialog) = 0;
    // Shows the framework's file-error message box.
    virtual void showFileError(const QString& message) = 0;
};

// The document's text: its bytes up to the first zero byte, decoded as UTF-8 when they are
// valid UTF-8, else as GBK. Nothing, with the framework's file-error text in `error`, when the
// file cannot be read.
std::optional<QString> ReadTextDocument(const QString& path, QString* error);

// Creates or truncates the file and writes the text in UTF-8 (no byte-order mark, no closing
// zero). The old contents are replaced only once the new ones are written in full. False, with
// the file-error text in `error`, when that fails.
bool WriteTextDocument(const QString& path, const QString& text, QString* error);

class TextDocument {
public:
    explicit TextDocument(TextDocumentHost& host) : m_host(host) {}

    // Empties the content box; the document path and the menu texts stay.
    void newDocument();
    // Asks for a file and loads it; the Save and Close items then carry the path (also after
    // a cancelled dialog, with whatever path there is).
    void open();
    // Writes the content to the document, or asks where when there is none.
    void save();
    // Writes the content to a file the user chooses; the document stays the same.
    void saveAs();
    // Forgets the document and empties the content box; nothing without a document.
    void close();

    static DocumentFileDialog openDialog();
    static DocumentFileDialog saveDialog();
    static DocumentFileDialog saveAsDialog();

private:
    void writeTo(const QString& path, const QString& text);
    void showPathInMenu();

    TextDocumentHost& m_host;
};
