object Form4: TForm4
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Listen Sensors'
  ClientHeight = 300
  ClientWidth = 540
  Color = clBlack
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  OnClose = FormClose
  PixelsPerInch = 96
  TextHeight = 13
  object ScpLeft: TSLScope
    Left = 0
    Top = 0
    Width = 400
    Height = 150
    TabStop = False
    ToolBar.Visible = False
    Zooming.MouseWheelEnabled = False
    Zooming.MouseZoom = False
    Zooming.KeyboardZoom = False
    Zooming.HoldOnZoom = False
    Legend.Visible = False
    Title.Visible = False
    XAxis.Visible = False
    XAxis.TicksMode = atmBufferSamples
    XAxis.Min.AutoScale = False
    XAxis.Min.Value = 0.0
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 1024.0
    XAxis.Max.DataValue = 1024.0
    XAxis.DataView.Lines.Pen.Color = clGray
    XAxis.DataView.Lines.Pen.Style = psDot
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.AutoScaling.Enabled = False
    YAxis.MajorTicks.Step = 10.0
    YAxis.MajorTicks.StartFrom.Mode = mtmCustom
    YAxis.MajorTicks.StartFrom.StartFrom = 0.0
    YAxis.MinorTicks.Count = 0
    YAxis.Format.PrecisionMode = dpmGeneral
    YAxis.Format.Precision = 3
    YAxis.Font.Color = clWhite
    YAxis.Font.Name = 'Arial'
    YAxis.Font.Size = 8
    YAxis.AxisLabel.Text = 'Left Channel'
    YAxis.AxisLabel.Font.Color = clWhite
    YAxis.AxisLabel.Font.Name = 'Arial'
    YAxis.AxisLabel.Font.Size = 10
    YAxis.AxisLabel.Font.Style = [fsBold]
    YAxis.DataView.Lines.Pen.Color = clGray
    YAxis.DataView.Lines.Pen.Style = psDot
    YAxis.DataView.ZeroLine.Pen.Color = clWhite
    Channels = <
      item
        Color = clRed
        ChannelMode = cmLine
        AxisIndex_ = (0 0)
        OnChannelDraw = ScpLeftChannels0ChannelDraw
      end>
    InputPins.Form = Form4
    InputPins.Pins = ((Form4.A2ROsc.OutputPins._Pin0 'Form4.A2ROsc.OutputPins.Pin [0]'))
  end
  object ScpRight: TSLScope
    Left = 0
    Top = 150
    Width = 400
    Height = 150
    TabStop = False
    ToolBar.Visible = False
    Zooming.MouseWheelEnabled = False
    Zooming.MouseZoom = False
    Zooming.KeyboardZoom = False
    Zooming.HoldOnZoom = False
    Legend.Visible = False
    Title.Visible = False
    XAxis.Visible = False
    XAxis.TicksMode = atmBufferSamples
    XAxis.Min.AutoScale = False
    XAxis.Min.Value = 0.0
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 1024.0
    XAxis.Max.DataValue = 1024.0
    XAxis.DataView.Lines.Pen.Color = clGray
    XAxis.DataView.Lines.Pen.Style = psDot
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.AutoScaling.Enabled = False
    YAxis.MajorTicks.Step = 10.0
    YAxis.MajorTicks.StartFrom.Mode = mtmCustom
    YAxis.MajorTicks.StartFrom.StartFrom = 0.0
    YAxis.MinorTicks.Count = 0
    YAxis.Format.PrecisionMode = dpmGeneral
    YAxis.Format.Precision = 3
    YAxis.Font.Color = clWhite
    YAxis.Font.Name = 'Arial'
    YAxis.Font.Size = 8
    YAxis.AxisLabel.Text = 'Right Channel'
    YAxis.AxisLabel.Font.Color = clWhite
    YAxis.AxisLabel.Font.Name = 'Arial'
    YAxis.AxisLabel.Font.Size = 10
    YAxis.AxisLabel.Font.Style = [fsBold]
    YAxis.DataView.Lines.Pen.Color = clGray
    YAxis.DataView.Lines.Pen.Style = psDot
    YAxis.DataView.ZeroLine.Pen.Color = clWhite
    Channels = <
      item
        Color = clLime
        ChannelMode = cmLine
        AxisIndex_ = (0 0)
        OnChannelDraw = ScpRightChannels0ChannelDraw
      end>
    InputPins.Form = Form4
    InputPins.Pins = ((Form4.A2ROsc.OutputPins._Pin1 'Form4.A2ROsc.OutputPins.Pin [1]'))
  end
  object Button1: TButton
    Left = 406
    Top = 137
    Width = 126
    Height = 25
    Caption = 'Listen Now'
    TabOrder = 0
    OnClick = Button1Click
  end
  object Panel1: TPanel
    Left = 406
    Top = 15
    Width = 126
    Height = 120
    Color = clGray
    TabOrder = 1
    object Label1: TLabel
      Left = 5
      Top = 5
      Width = 46
      Height = 13
      Caption = 'Maximum'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWhite
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 5
      Top = 60
      Width = 30
      Height = 13
      Caption = 'Mean'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWhite
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object txtMaxChL: TLabel
      Left = 10
      Top = 20
      Width = 38
      Height = 25
      Caption = '0 %'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clRed
      Font.Height = -25
      Font.Name = 'Tahoma'
      Font.Size = 15
      Font.Style = [fsBold]
    end
    object txtMeanChL: TLabel
      Left = 10
      Top = 75
      Width = 38
      Height = 25
      Caption = '0 %'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clRed
      Font.Height = -25
      Font.Name = 'Tahoma'
      Font.Size = 15
      Font.Style = [fsBold]
    end
  end
  object Panel2: TPanel
    Left = 406
    Top = 165
    Width = 126
    Height = 120
    Color = clGray
    TabOrder = 2
    object Label5: TLabel
      Left = 5
      Top = 5
      Width = 46
      Height = 13
      Caption = 'Maximum'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWhite
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label6: TLabel
      Left = 5
      Top = 60
      Width = 30
      Height = 13
      Caption = 'Mean'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWhite
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object txtMaxChR: TLabel
      Left = 10
      Top = 20
      Width = 38
      Height = 25
      Caption = '0 %'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clLime
      Font.Height = -25
      Font.Name = 'Tahoma'
      Font.Size = 15
      Font.Style = [fsBold]
    end
    object txtMeanChR: TLabel
      Left = 10
      Top = 75
      Width = 38
      Height = 25
      Caption = '0 %'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clLime
      Font.Height = -25
      Font.Name = 'Tahoma'
      Font.Size = 15
      Font.Style = [fsBold]
    end
  end
  object AIOsc: TALAudioIn
    Enabled = False
    Device.DeviceName = 'Default'
    OutputPin.Form = Form4
    OutputPin.SinkPins = (Form4.A2ROsc.InputPin)
  end
  object A2ROsc: TALAudioToReal
    Normalize = True
    InputPin.Form = Form4
    InputPin.SourcePin = Form4.AIOsc.OutputPin
    OutputPins.Form = Form4
    OutputPins.Pins = (Sinks ((Form4.ScpLeft.InputPins._Pin0 'Form4.ScpLeft.InputPins.Left')) Sinks ((Form4.ScpRight.InputPins._Pin0 'Form4.ScpRight.InputPins.Left')))
  end
end
