// A library that shows itself as SAP's NetWeaver RFC library by the one function it exports,
// and has none of the others: the sensor must name the first function it lacks.

extern "C" void* RfcOpenConnection(const void* parameters, unsigned count, void* errorInfo);

extern "C" void* RfcOpenConnection(const void*, unsigned, void*) {
    return nullptr;
}
