#pragma once

// Qt tells of its widgets' changes only while a screen reader listens. Makes the test stand in
// for one, in the way the platform learns of a reader. Call before the application is made.
void pretendAScreenReaderListens();
