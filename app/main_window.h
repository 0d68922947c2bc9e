#pragma once

// The main window: port and model choice, the printer's addresses, the test content, the
// one-click buttons, the menus and the status line, under the program's own painted caption.
// One class, split over several files by responsibility:
//   main_window.cpp           construction, controls, field exchange, the status line
//   startup_main_window.cpp   start-up steps and the end of the program
//   menus_main_window.cpp     menu bars, accelerators, commands, window menu, About box
//   ports_main_window.cpp     port and model radios, the port lists, USB plug and unplug
//   language_main_window.cpp  the interface language
//   sending_main_window.cpp   the content area: Send, auto-send, documents, port options

#include <QHash>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "core/main_window_port.h"
#include "ui/dialog_base.h"

class QButtonGroup;
class QMenu;
class QMenuBar;
class UsbHotplug;
class WindowChrome;
struct ControlSpec;
struct MainWindowSettings;

// A font by its Windows face name, falling back to a metric-compatible face.
QFont WindowsFont(const QString& face, int pointSize);

class CQUENLORDlg : public DialogBase, public MainWindowPort {
    Q_OBJECT

public:
    // Builds the window and runs its start-up; `appDir` is the folder of the executable, where
    // Printer.ini lives.
    explicit CQUENLORDlg(const QString& appDir, QWidget* parent = nullptr);
    ~CQUENLORDlg() override;

    // Enables and disables the port lists and network buttons for m_nPort.
    void ApplyPortControls();
    // Installs the menu bar and control texts of the language and puts its greeting into the
    // content field.
    void ApplyLanguage(int chinese);

    // Runs a menu, accelerator or button command.
    void runCommand(int command);
    // Lets a feature take over a command (its button or menu item); replaces any handler.
    void setCommandHandler(int command, std::function<void()> handler);

    // The menu item of a command in the Chinese or English menu bar, or nullptr.
    QAction* menuAction(int command, bool chinese) const;
    QMenuBar* menuBar() const { return m_menuBar; }
    WindowChrome* chrome() const { return m_chrome; }

    // The closing steps: links, monitor socket, plug and unplug watch, settings. Runs once,
    // from the destructor at the latest.
    void EndProgram();

    // MainWindowPort
    void showStatusText(const QString& text) override;
    quint32 printerAddressField() const override;
    void showBusyCursor() override;

    // Fields (exchanged with the controls by readFields / showFields).
    int m_nPort = 3;
    int m_nModel = 2;
    QString m_strContent;  // line breaks as CR LF
    int m_bHex = 0;
    QString m_strLptName = QStringLiteral("LPT1");
    QString m_strComName = QStringLiteral("COM1");
    quint32 m_dwLocalIp = 0;
    quint32 m_dwPrinterIp = 0;
    quint32 m_dwNewIp = 0;
    quint32 m_dwNewId = 0;
    int m_nRepeat = 1;
    int m_bAutoSend = 0;
    int m_nPeriod = 500;

protected:
    void exchangeFields(FieldExchange& dx) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // main_window.cpp
    void createControls();
    QWidget* createControl(const ControlSpec& spec);
    void createChrome();
    void fitMenuBar();

    // startup_main_window.cpp
    void initDialog();
    void InitMainWindow();
    void loadSettingsIntoFields();
    void setFooterFonts();
    MainWindowSettings settingsToSave();

    // menus_main_window.cpp
    void createMenus();
    void registerCommands();
    void onTraditionalSample();
    void createAccelerators();
    void installMenuBar(bool chinese);
    void showWindowMenu(const QPoint& globalPos);
    void showAboutBox();

    // ports_main_window.cpp
    void connectPortControls();
    void onPortRadio(int port);
    void onModelRadio();
    void startUsbWatch();
    void stopUsbWatch();

    // language_main_window.cpp
    void onLanguageButton();
    void onLanguageMenu(int chinese);

    QString m_appDir;
    WindowChrome* m_chrome = nullptr;
    class QStyle* m_classicStyle = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QButtonGroup* m_portGroup = nullptr;
    QButtonGroup* m_modelGroup = nullptr;
    QList<QMenu*> m_menuChinese;
    QList<QMenu*> m_menuEnglish;
    QHash<int, std::function<void()>> m_handlers;
    UsbHotplug* m_hDevNotify = nullptr;
    std::atomic<quint32> m_printerIpCopy{0};
    bool m_ended = false;
    bool m_busyCursor = false;

    // sending_main_window.h
    class Sending;
    std::unique_ptr<Sending> m_sending;
};
