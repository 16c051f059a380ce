#pragma once
// Memory running out, on request: while a TFailingAllocation lives, every
// operator new of the process throws std::bad_alloc. The test
// executables replace the global operator new for this.

class TFailingAllocation {
public:
    TFailingAllocation();
    ~TFailingAllocation();
    TFailingAllocation(const TFailingAllocation&) = delete;
    TFailingAllocation& operator=(const TFailingAllocation&) = delete;

    // How many allocations have been refused so far.
    static int Refused();

private:
    bool FSaved;
};

// Lets a recorder allocate while memory is failing for the code under test.
class TAllocationAllowed {
public:
    TAllocationAllowed();
    ~TAllocationAllowed();
    TAllocationAllowed(const TAllocationAllowed&) = delete;
    TAllocationAllowed& operator=(const TAllocationAllowed&) = delete;

private:
    bool FSaved;
};
