#pragma once

// Counts calls of the global operator new in this test program, for tests that guard against allocation
// where none may happen (the timer thread while a song plays).
long allocationCount();
