#include "driver/decode/event_fifo.h"

void EventFifoInit(EventFifo& fifo) {
    fifo.Head.Next = &fifo.Head;
    fifo.Head.Prev = &fifo.Head;
    fifo.Count = 0;
}

bool EventFifoEmpty(const EventFifo& fifo) { return fifo.Head.Next == &fifo.Head; }

EventLink* EventFifoPush(EventFifo& fifo, EventLink* entry) {
    EventLink* dropped = fifo.Count >= EVENT_QUEUE_LIMIT ? EventFifoPop(fifo) : nullptr;
    entry->Next = &fifo.Head;
    entry->Prev = fifo.Head.Prev;
    fifo.Head.Prev->Next = entry;
    fifo.Head.Prev = entry;
    ++fifo.Count;
    return dropped;
}

EventLink* EventFifoPop(EventFifo& fifo) {
    if (EventFifoEmpty(fifo)) return nullptr;
    EventLink* oldest = fifo.Head.Next;
    fifo.Head.Next = oldest->Next;
    oldest->Next->Prev = &fifo.Head;
    oldest->Next = oldest->Prev = nullptr;
    --fifo.Count;
    return oldest;
}

void EventFifoTakeAll(EventFifo& from, EventFifo& to) {
    EventFifoInit(to);
    if (EventFifoEmpty(from)) return;
    to.Head = from.Head;
    to.Head.Next->Prev = &to.Head;
    to.Head.Prev->Next = &to.Head;
    to.Count = from.Count;
    EventFifoInit(from);
}
