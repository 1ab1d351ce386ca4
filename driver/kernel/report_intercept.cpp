#include "driver/kernel/report_intercept.h"

#include "driver/decode/report_decoder.h"
#include "driver/kernel/event_queue.h"

void Filter_InterceptReport(PFILTER_EXTENSION controlRecord, PUCHAR report, ULONG length) {
    const ReportEffect effect = DecodeReport(report, length, controlRecord->ReaderOpen != 0, controlRecord->RfData);
    BlankReport(report, length, effect);
    if (effect.QueuesEvent && effect.SetsAuxByte) {
        Filter_WriteEventWithAux(controlRecord, effect.EventCode, effect.AuxByte);
    } else if (effect.QueuesEvent) {
        Filter_WriteEvent(controlRecord, effect.EventCode);
    } else if (effect.SetsAuxByte) {
        Filter_SetAuxByte(controlRecord, effect.AuxByte);
    }
}
