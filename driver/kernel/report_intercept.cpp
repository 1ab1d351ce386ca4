#include "driver/kernel/report_intercept.h"

#include "driver/decode/report_decoder.h"
#include "driver/kernel/event_queue.h"

void Filter_InterceptReport(PFILTER_EXTENSION filter, PUCHAR report, ULONG length) {
    const ReportEffect effect = DecodeReport(report, length, filter->ReaderOpen != 0, filter->RfData);
    BlankReport(report, length, effect);
    if (!effect.QueuesEvent) return;
    if (effect.SetsAuxByte) {
        Filter_WriteEventWithAux(filter, effect.EventCode, effect.AuxByte);
    } else {
        Filter_WriteEvent(filter, effect.EventCode);
    }
}
