// The event queue's order and bound, kept apart from the memory it lives in: the driver links
// nodes allocated from non-paged pool and guards the queue with its spin lock.
//
// Bound and drop policy: the queue holds at most EVENT_QUEUE_LIMIT events; when a new one
// arrives at a full queue, the OLDEST is dropped. Nothing is lost while a reader keeps up (it
// takes events as they come, so the queue stays near empty), and memory can't grow without end
// when a reader stops reading but keeps its handle. Dropping the oldest rather than the newest
// keeps what is still true: the latest status-change and release events, so a reader that
// comes back late re-reads the current table and never sees a press whose release was thrown
// away (which would leave a held volume key repeating).
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

struct EventLink {
    EventLink* Next;
    EventLink* Prev;
};

struct EventFifo {
    EventLink Head;  // Head.Next is the oldest entry
    uint32_t Count;
};

void EventFifoInit(EventFifo& fifo);
bool EventFifoEmpty(const EventFifo& fifo);

// Appends `entry`. At a full queue the oldest entry is unlinked first and returned, for the
// caller to free; otherwise returns null.
EventLink* EventFifoPush(EventFifo& fifo, EventLink* entry);

// Unlinks and returns the oldest entry, or null when the queue is empty.
EventLink* EventFifoPop(EventFifo& fifo);

// Moves every entry of `from`, in order, into `to` (whose own entries are forgotten, not freed)
// and leaves `from` empty: what a queue held is taken out in one step, to be freed afterwards.
void EventFifoTakeAll(EventFifo& from, EventFifo& to);
