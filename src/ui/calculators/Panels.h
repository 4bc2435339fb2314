#pragma once

class QWidget;

namespace tolvex
{

class CalculatorHost;
class CalculatorPanel;

// The fourteen calculator panels of the main window, one factory each.
CalculatorPanel* createDvutavrPanel(CalculatorHost& host, QWidget* parent);        // I-beam
CalculatorPanel* createShvelerPanel(CalculatorHost& host, QWidget* parent);        // channel
CalculatorPanel* createUgolokPanel(CalculatorHost& host, QWidget* parent);         // angles
CalculatorPanel* createRelsPanel(CalculatorHost& host, QWidget* parent);           // rail
CalculatorPanel* createShestigranPanel(CalculatorHost& host, QWidget* parent);     // hexagon
CalculatorPanel* createProkatPanel(CalculatorHost& host, QWidget* parent);         // round bar
CalculatorPanel* createAtrmaturaPanel(CalculatorHost& host, QWidget* parent);      // rebar
CalculatorPanel* createListPanel(CalculatorHost& host, QWidget* parent);           // square, sheet
CalculatorPanel* createListRiflenPanel(CalculatorHost& host, QWidget* parent);     // checker plate
CalculatorPanel* createProfnastilPanel(CalculatorHost& host, QWidget* parent);     // profiled sheet
CalculatorPanel* createMetiziPanel(CalculatorHost& host, QWidget* parent);         // bolts
CalculatorPanel* createTrubaPanel(CalculatorHost& host, QWidget* parent);          // pipe
CalculatorPanel* createTrubaKvadratPanel(CalculatorHost& host, QWidget* parent);   // square tube
CalculatorPanel* createTrubaPryamugolPanel(CalculatorHost& host, QWidget* parent); // rect. tube

} // namespace tolvex
