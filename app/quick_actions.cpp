#include "app/quick_actions.h"

#include "app/quick_action_messages.h"
#include "core/file_errors.h"
#include "core/program_state.h"
#include "link/link_manager.h"

Bytes CutPaperBytes() {
    return {0x1D, 0x56, 0x42, 0x00, 0x0A, 0x0A, 0x00};
}

Bytes CashDrawerBytes() {
    return {0x1B, 0x70, 0x00, 0x1E, 0xFF, 0x00};
}

int CutPaper() {
    return SendToPrinter(CutPaperBytes());
}

int OpenCashDrawer() {
    using namespace quick_action_messages;
    const int result = SendToPrinter(CashDrawerBytes());
    SetStatus(Text(result ? kDrawerOpened : kDrawerFailed));
    return result;
}

QString TraditionalSamplePath(const QString& appDir, int printerModel) {
    switch (printerModel) {
        case MODEL_POS58:
            return appDir + QStringLiteral("/Text_Sample/Traditional_58.qvd");
        case MODEL_POS76:
            return appDir + QStringLiteral("/Text_Sample/Traditional_76.qvd");
        case MODEL_POS80:
            return appDir + QStringLiteral("/Text_Sample/Traditional_80.qvd");
        default:
            return QString();
    }
}

int SendTraditionalSample(const QString& appDir, int printerModel, QString* fileError) {
    const auto sample = ReadWholeFile(TraditionalSamplePath(appDir, printerModel), fileError);
    if (!sample) {
        return -1;
    }
    const int sent = SendToPrinter(reinterpret_cast<const std::uint8_t*>(sample->constData()),
                                   static_cast<int>(sample->size()));
    const int cut = CutPaper();
    return sent && cut ? 1 : 0;
}
