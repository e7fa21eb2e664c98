#pragma once

class Trpt;

// Previews the report form; the preview offers printing.
class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    virtual void preview(Trpt& report) = 0;
};
