#pragma once

// Counts calls of the global operator new in this test program, for tests that guard against allocation
// where none may happen (the timer thread while a song plays).
long allocationCount();

// While one lives, every operator new on its thread throws std::bad_alloc, as on a machine out of memory,
// for tests of what the program says then.
class RefusedAllocations {
  public:
    RefusedAllocations();
    ~RefusedAllocations();
    RefusedAllocations(const RefusedAllocations&) = delete;
    RefusedAllocations& operator=(const RefusedAllocations&) = delete;
};
