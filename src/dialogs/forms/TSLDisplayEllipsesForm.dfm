object SLDisplayEllipsesForm: TSLDisplayEllipsesForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Ellipses'
  ClientHeight = 234
  ClientWidth = 545
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object ZonesListBox: TCheckListBox
    Left = 0
    Top = 0
    Width = 145
    Height = 234
  end
  object VisibleCheckBox: TCheckBox
    Left = 152
    Top = 4
    Width = 97
    Height = 17
    Caption = '&Visible'
  end
  object Label1: TLabel
    Left = 152
    Top = 30
    Width = 60
    Height = 13
    Caption = '&Name'
  end
  object NameEdit: TEdit
    Left = 152
    Top = 44
    Width = 185
    Height = 21
  end
  object PointPenButton: TButton
    Left = 152
    Top = 72
    Width = 90
    Height = 25
    Caption = '&Pen...'
  end
  object PointBrushButton: TButton
    Left = 247
    Top = 72
    Width = 90
    Height = 25
    Caption = '&Brush...'
  end
  object Label2: TLabel
    Left = 152
    Top = 106
    Width = 60
    Height = 13
    Caption = '&X Axis'
  end
  object XAxisComboBox: TComboBox
    Left = 196
    Top = 102
    Width = 141
    Height = 21
    Style = csDropDownList
  end
  object Label3: TLabel
    Left = 152
    Top = 134
    Width = 60
    Height = 13
    Caption = '&Y Axis'
  end
  object YAxisComboBox: TComboBox
    Left = 196
    Top = 130
    Width = 141
    Height = 21
    Style = csDropDownList
  end
  object GroupBox2: TGroupBox
    Left = 152
    Top = 158
    Width = 185
    Height = 74
    Caption = ' Channlels '
    object ChannelsListBox: TCheckListBox
      Left = 6
      Top = 16
      Width = 173
      Height = 52
    end
  end
  object PageControl1: TPageControl
    Left = 344
    Top = 0
    Width = 201
    Height = 234
    object EllipseTabSheet: TTabSheet
      Caption = 'Ellipse'
      object Label4: TLabel
        Left = 8
        Top = 12
        Width = 60
        Height = 13
        Caption = 'X1:'
      end
      object X1Edit: TEdit
        Left = 36
        Top = 8
        Width = 113
        Height = 21
      end
      object Label5: TLabel
        Left = 8
        Top = 40
        Width = 60
        Height = 13
        Caption = 'Y1:'
      end
      object Y1Edit: TEdit
        Left = 36
        Top = 36
        Width = 113
        Height = 21
      end
      object Label6: TLabel
        Left = 8
        Top = 68
        Width = 60
        Height = 13
        Caption = 'X2:'
      end
      object X2Edit: TEdit
        Left = 36
        Top = 64
        Width = 113
        Height = 21
      end
      object Label7: TLabel
        Left = 8
        Top = 96
        Width = 60
        Height = 13
        Caption = 'Y2:'
      end
      object Y2Edit: TEdit
        Left = 36
        Top = 92
        Width = 113
        Height = 21
      end
    end
    object HighlightingTabSheet: TTabSheet
      Caption = 'Highlighting'
      object HighlightingCheckBox: TCheckBox
        Left = 8
        Top = 12
        Width = 181
        Height = 17
        Caption = '&Highlight inside'
      end
      object HighlightingNote: TLabel
        Left = 8
        Top = 40
        Width = 181
        Height = 80
        AutoSize = False
        Caption = 'The channel selected under Channels is drawn over a band in the ellipse'#39's pen colour where it runs inside the ellipse.'
        WordWrap = True
      end
    end
    object PointsTabSheet: TTabSheet
      Caption = 'Points'
      object PointsCheckBox: TCheckBox
        Left = 8
        Top = 12
        Width = 181
        Height = 17
        Caption = '&Mark samples inside'
      end
      object PointsNote: TLabel
        Left = 8
        Top = 40
        Width = 181
        Height = 80
        AutoSize = False
        Caption = 'The samples of the channel selected under Channels that lie inside the ellipse are marked with dots.'
        WordWrap = True
      end
    end
  end
end
