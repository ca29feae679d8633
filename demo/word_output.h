// The demo's Word output: a patient written into a Word template through the
// stand-in server, saved as out/patient.docx and printed to PDF.
#pragma once

// Writes out/patient.docx, prints it with PrintToPDF and keeps the printed job
// as out/patient.pdf with a PNG of its page (out/screens/demo-patient-pdf.png).
// Returns false when a step failed (the writer has shown why).
bool WritePatientDocument();
